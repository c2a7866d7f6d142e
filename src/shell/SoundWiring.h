#pragma once
// Sound and music in the main window: the input click hook, the sound device
// check of the title tick, and the background music with its timer t_midi,
// the music bar and btn_musik.

#include <QObject>
#include <QString>

#include <memory>

namespace lumo {

class FluidMusicPlayer;
class Game;
class GameHost;
class InputClickHook;
class MenuController;
class MusicBar;
class MusicBarView;
class MusicController;
class ResourceTrackStore;
class SettingsPanel;
class SoundDeviceCheck;
class TCKMultimediaTimer;
class TipLift;
class ToneOutput;
struct UserSettings;

class SoundWiring : public QObject {
    Q_OBJECT
public:
    // The click hook is installed from here on; the music controls on the bar
    // and the panel are connected.
    SoundWiring(MusicBar &bar, SettingsPanel &panel, UserSettings &settings, ToneOutput &tones,
        Game &game, GameHost &host, TipLift &tipLift, MenuController &menu);
    ~SoundWiring() override;

    // --- Music -------------------------------------------------------------
    // Start-up, after the first deal: the music bar comes up ready (label and
    // track buttons shown, btn_musik usable from now on in any case) and the
    // pieces go into musicTempFile.
    void PrepareMusic(const QString &musicTempFile);
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
    QString MusicTempFile() const { return FMusicTempFile; }
    // Created on first use, with the music temporary file when it is set.
    MusicController &Music();

private:
    void ConnectMusicControls();

    MusicBar &FBar;
    SettingsPanel &FPanel;
    UserSettings &FSettings;
    ToneOutput &FTones;
    MenuController &FMenu;
    TCKMultimediaTimer *FMusicTimer = nullptr;
    std::unique_ptr<MusicBarView> FView;
    std::unique_ptr<SoundDeviceCheck> FCheck;
    std::unique_ptr<FluidMusicPlayer> FPlayer;
    std::unique_ptr<ResourceTrackStore> FStore;
    std::unique_ptr<MusicController> FMusic;
    InputClickHook *FHook = nullptr;
    QString FMusicTempFile;
};

} // namespace lumo
