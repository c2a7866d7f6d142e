#pragma once
// What the help command needs from the main window: the menu, the creature
// animation switch and the two application hooks it takes away while the help
// is open. Tests replace it with fakes.

namespace lumo {

class HelpHost {
public:
    virtual ~HelpHost() = default;

    virtual void CloseMenu() = 0;
    // The user's animation setting; the switch sets it itself.
    virtual bool AnimationOn() const = 0;
    virtual void SetAnimation(bool on) = 0;
    // The hook that ticks on input and asks for the tip on a right click.
    virtual void AttachMessageHook() = 0;
    virtual void DetachMessageHook() = 0;
    // The hook that shows the controls' hints in the bird's balloon; it is
    // detached while the user has the hint texts switched off.
    virtual bool HintHookAttached() const = 0;
    virtual void AttachHintHook() = 0;
    virtual void DetachHintHook() = 0;
};

} // namespace lumo
