#pragma once
// What the device check reads and changes on the main window: the track
// buttons and the label of the music bar, the sound switch FSoundOn with the
// mark and the enabled state of bt_soundonoff, and the music switch.

#include <string>

namespace lumo {

class SoundDeviceView {
public:
    virtual ~SoundDeviceView() = default;
    virtual void SetTrackButtonsVisible(bool visible) = 0;
    virtual void SetMusicLabel(const std::string& text) = 0;
    virtual void SetMusicLabelHint(const std::string& hint) = 0;
    virtual bool MusicOn() const = 0;
    virtual bool MusicTimerRunning() const = 0;
    // Switches the music off the way the user does it: a click on btn_musik.
    virtual void ClickMusicButton() = 0;
    virtual int SoundSwitchMark() const = 0;
    virtual void SetSoundOn(bool on) = 0;
    virtual void SetSoundSwitchEnabled(bool enabled) = 0;
};

} // namespace lumo
