#include "sound/SoundDeviceCheck.h"

#include <gtest/gtest.h>

namespace lumo {
namespace {

struct FakeProbe : SoundDeviceProbe {
    bool wave = false;
    bool midi = false;
    bool WaveOutputPresent() override { return wave; }
    bool MidiOutputPresent() override { return midi; }
};

struct FakeView : SoundDeviceView {
    bool buttons = false;
    std::string label = "Hintergrundmusik ist aus.";
    std::string hint = "Musik einschalten";
    bool musicOn = false;
    bool timerRunning = false;
    int clicks = 0;
    int mark = 1;
    bool soundOn = false;
    bool switchEnabled = false;
    void SetTrackButtonsVisible(bool v) override { buttons = v; }
    void SetMusicLabel(const std::string& t) override { label = t; }
    void SetMusicLabelHint(const std::string& h) override { hint = h; }
    bool MusicOn() const override { return musicOn; }
    bool MusicTimerRunning() const override { return timerRunning; }
    void ClickMusicButton() override {
        ++clicks;
        musicOn = timerRunning = false;
        label = "Musik ausgeschaltet";
    }
    int SoundSwitchMark() const override { return mark; }
    void SetSoundOn(bool on) override { soundOn = on; }
    void SetSoundSwitchEnabled(bool e) override { switchEnabled = e; }
};

TEST(SoundDeviceCheck, EachDeviceSituation) {
    const std::string noMusic = "Keine Wiedergabmöglichkeit der Musik gefunden.";
    const std::string noMusicHint = "Ihr System verfügt nicht über eine Wiedergabmöglichkeit der Musik.";
    const std::string musicOff = "Hintergrundmusik ist aus. Drücke Taste \"u\"!";
    const struct {
        const char* name;
        bool wave, midi, musicOn;
        bool buttons;
        std::string label, hint;
        bool soundOn, switchEnabled;
        int clicks;
    } cases[] = {
        {"no devices, music on", false, false, true, false, noMusic, noMusicHint, false, false, 1},
        {"no devices, music off", false, false, false, false, noMusic, noMusicHint, false, false, 0},
        {"wave without music", true, false, false, false, noMusic, noMusicHint, false, true, 0},
        {"both, music off", true, true, false, true, musicOff, "", true, true, 0},
        {"both, music on", true, true, true, true, "Spiele Musiktitel: 3", "", true, true, 0},
    };
    for (const auto& c : cases) {
        FakeProbe probe;
        probe.wave = c.wave;
        probe.midi = c.midi;
        FakeView view;
        view.musicOn = view.timerRunning = c.musicOn;
        view.soundOn = true;
        if (c.musicOn && c.midi) view.label = "Spiele Musiktitel: 3";
        SoundDeviceCheck check(probe, view);
        view.soundOn = c.wave && c.midi ? false : true;  // the check must set it either way
        check.CheckSoundDevices();
        EXPECT_EQ(view.buttons, c.buttons) << c.name;
        EXPECT_EQ(view.label, c.label) << c.name;
        EXPECT_EQ(view.hint, c.hint) << c.name;
        EXPECT_EQ(view.soundOn, c.soundOn) << c.name;
        EXPECT_EQ(view.switchEnabled, c.switchEnabled) << c.name;
        EXPECT_EQ(view.clicks, c.clicks) << c.name;
    }
}

TEST(SoundDeviceCheck, SoundComesBackOnlyFromTheMark) {
    FakeProbe probe;
    probe.wave = probe.midi = true;
    FakeView view;
    view.mark = 0;
    view.soundOn = false;
    SoundDeviceCheck check(probe, view);
    check.CheckSoundDevices();
    EXPECT_FALSE(view.soundOn);

    // Devices vanish: sound forced off; they return: sound back from the mark.
    view.mark = 1;
    probe.midi = false;
    check.CheckSoundDevices();
    EXPECT_FALSE(view.soundOn);
    probe.midi = true;
    check.CheckSoundDevices();
    EXPECT_TRUE(view.soundOn);
}

} // namespace
} // namespace lumo
