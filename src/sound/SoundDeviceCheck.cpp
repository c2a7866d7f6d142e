#include "sound/SoundDeviceCheck.h"

namespace lumo {

SoundDeviceCheck::SoundDeviceCheck(SoundDeviceProbe& probe, SoundDeviceView& view)
    : probe_(probe), view_(view) {}

void SoundDeviceCheck::CheckSoundDevices() {
    view_.SetTrackButtonsVisible(probe_.WaveOutputPresent() && probe_.MidiOutputPresent());

    if (probe_.MidiOutputPresent()) {
        const bool wave = probe_.WaveOutputPresent();
        view_.SetTrackButtonsVisible(wave);
        if (wave) {
            if (!view_.MusicOn()) view_.SetMusicLabel("Hintergrundmusik ist aus. Drücke Taste \"u\"!");
            view_.SetMusicLabelHint("");
            // Sound comes back by itself from the switch's mark once music output returns.
            if (view_.SoundSwitchMark() == 1) view_.SetSoundOn(true);
        }
    } else {
        view_.SetSoundOn(false);
        if (view_.MusicTimerRunning()) view_.ClickMusicButton();
        view_.SetMusicLabel("Keine Wiedergabmöglichkeit der Musik gefunden.");
        view_.SetMusicLabelHint("Ihr System verfügt nicht über eine Wiedergabmöglichkeit der Musik.");
    }

    view_.SetSoundSwitchEnabled(probe_.WaveOutputPresent());
}

} // namespace lumo
