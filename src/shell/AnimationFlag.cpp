#include "shell/AnimationFlag.h"

#include "persistence/UserSettings.h"

namespace lumo {

AnimationFlag::AnimationFlag(UserSettings &settings) : FSettings(settings)
{
}

void AnimationFlag::SetAnimation(std::uint8_t on)
{
    if (on == 0)
        FSettings.FAnimationOn = false;
    else if (on == 1)
        FSettings.FAnimationOn = true;
}

} // namespace lumo
