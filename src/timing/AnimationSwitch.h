#pragma once
// The one switch of the creature animation. Every caller goes through it: the
// start-up with the stored setting, the settings panel, the end buttons, a won
// game and the help.

#include <cstdint>

namespace lumo {

class AnimationSwitch {
public:
    virtual ~AnimationSwitch() = default;
    // 0 switches the animation off, 1 switches it on (and restarts it when it
    // runs), any other value does nothing. It keeps FAnimationOn itself.
    virtual void SetAnimation(std::uint8_t on) = 0;
};

} // namespace lumo
