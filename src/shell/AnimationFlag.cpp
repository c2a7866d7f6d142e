#include "shell/AnimationFlag.h"

#include "persistence/UserSettings.h"

namespace lumo {

AnimationFlag::AnimationFlag(UserSettings &settings) : FSettings(settings)
{
}

void AnimationFlag::SetAnimation(int on)
{
    if (on == 0)
        FSettings.FAnimationOn = false;
    else if (on == 1)
        FSettings.FAnimationOn = true;
}

} // namespace lumo
