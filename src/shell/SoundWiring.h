#pragma once
// Ties sound and music into the main window: the engine's tones and applause,
// the input click hook, the sound device check of the title tick, and the
// background music with its timer t_midi, the music bar and btn_musik.

#include <QObject>
#include <QString>

#include <functional>
#include <memory>

namespace lumo {

class FluidMusicPlayer;
class InputClickHook;
class MusicBarView;
class MusicController;
class ResourceTrackStore;
class SoundDeviceCheck;
class SoundDeviceProbe;
class TCKMultimediaTimer;
class TLumoForm;

class SoundWiring : public QObject {
    Q_OBJECT
public:
    // Fills the window's and the engine host's sound hooks and installs the
    // input click hook. Create it after the settings panel is on the window.
    explicit SoundWiring(TLumoForm &form);
    ~SoundWiring() override;

    // --- Sounds ------------------------------------------------------------
    bool WaveOutputPresent();
    bool MidiOutputPresent();
    // Synchronous; no events are processed while the tone plays.
    void PlayTone(int frequencyHz, int durationMs, int volume);
    // 2000 Hz, 5 ms, volume 20 when a wave device exists, sound is switched
    // on and the first deal has ended.
    void PlaySwitchOnTone();

    // --- Music -------------------------------------------------------------
    void SetMusic(bool on);
    // Click on lb_midi or btn_musik: closes the menu and toggles the music.
    void StartMidiSound();
    void btn_nextClick();
    void btn_prevClick();
    void t_midiTimer();
    // Every title tick once the window has been activated.
    void CheckSoundDevices();

    TCKMultimediaTimer *t_midi() const { return FMusicTimer; }
    InputClickHook &ClickHook() const { return *FHook; }
    // Created on first use, with the window's MusicTempFile when it is set.
    MusicController &Music();

    // --- For tests -----------------------------------------------------------
    // Replaces what plays the tones; an empty function restores the sound output.
    using TonePlayer = std::function<void(int frequencyHz, int durationMs, int volume)>;
    void SetTonePlayer(TonePlayer player);
    // Replaces the device presence; null restores the sound system's.
    void SetDeviceProbe(SoundDeviceProbe *probe);

private:
    void ConnectMusicControls();
    bool SoundAllowed();

    TLumoForm &FForm;
    TCKMultimediaTimer *FMusicTimer = nullptr;
    std::unique_ptr<MusicBarView> FView;
    std::unique_ptr<SoundDeviceCheck> FCheck;
    std::unique_ptr<FluidMusicPlayer> FPlayer;
    std::unique_ptr<ResourceTrackStore> FStore;
    std::unique_ptr<MusicController> FMusic;
    InputClickHook *FHook = nullptr;
    SoundDeviceProbe *FProbe = nullptr;
    TonePlayer FTonePlayer;
};

} // namespace lumo
