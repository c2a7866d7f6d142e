#pragma once
// The animation switch while the table has no creatures: it keeps the setting
// FAnimationOn and shows nothing. The creatures take its place.

#include "timing/AnimationSwitch.h"

namespace lumo {

struct UserSettings;

class AnimationFlag : public AnimationSwitch {
public:
    explicit AnimationFlag(UserSettings &settings);

    void SetAnimation(std::uint8_t on) override;

private:
    UserSettings &FSettings;
};

} // namespace lumo
