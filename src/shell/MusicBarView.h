#pragma once
// The music logic's and the device check's view of the main window: the music
// bar (lb_midi, btn_prev, btn_next), the settings panel's btn_musik and
// bt_soundonoff, the music timer t_midi and the switches FSoundOn and FMusicOn.

#include "sound/MusicView.h"
#include "sound/SoundDeviceView.h"

#include <functional>

namespace lumo {

class MusicBar;
class SettingsPanel;
class TCKMultimediaTimer;
struct UserSettings;

class MusicBarView : public MusicView, public SoundDeviceView {
public:
    // musicButtonClick: the handler of btn_musik (the music switch).
    MusicBarView(MusicBar &bar, SettingsPanel &panel, UserSettings &settings,
        TCKMultimediaTimer &musicTimer, std::function<void()> musicButtonClick);

    // MusicView
    void SetMusicLabel(const std::string &text) override;
    void SetMusicLabelHint(const std::string &hint) override;
    void SetTrackButtonsVisible(bool visible) override;
    void SetMusicSwitch(const std::string &caption, const std::string &hint, int mark) override;
    void SetMusicTimerEnabled(bool enabled) override;

    // SoundDeviceView (SetTrackButtonsVisible, the label and its hint are shared)
    bool MusicOn() const override;
    bool MusicTimerRunning() const override;
    void ClickMusicButton() override;
    int SoundSwitchMark() const override;
    void SetSoundOn(bool on) override;
    void SetSoundSwitchEnabled(bool enabled) override;

    // The mark of btn_musik: 1 while music is on.
    int MusicMark() const { return FMusicMark; }

private:
    MusicBar &FBar;
    SettingsPanel &FPanel;
    UserSettings &FSettings;
    TCKMultimediaTimer &FMusicTimer;
    std::function<void()> FMusicButtonClick;
    int FMusicMark = 0;
};

} // namespace lumo
