#pragma once
// What the settings panel needs from the main window: the switches it turns,
// the tone it asks for and the state it respects. Tests replace it with fakes.

#include <QString>

namespace lumo {

class SettingsHost {
public:
    virtual ~SettingsHost() = default;

    virtual bool WaveOutputPresent() const = 0;
    // The switch-on tone; it checks its own conditions (device, sound switch,
    // quiet start) before it plays.
    virtual void PlaySwitchOnTone() = 0;
    // The creature animation switch; it sets FAnimationOn itself.
    virtual void SetAnimation(bool on) = 0;
    // Whether the board accepts player input.
    virtual bool Ready() const = 0;
    virtual void CloseMenu() = 0;
    // Routes the controls' hints to the bird, or stops doing so.
    virtual void AttachHintChannel() = 0;
    virtual void DetachHintChannel() = 0;
    virtual void ShowInfo(const QString &text) = 0;
};

} // namespace lumo
