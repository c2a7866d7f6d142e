#include "shell/SoundWiring.h"

#include "persistence/SettingsPanel.h"
#include "persistence/UserSettings.h"
#include "shell/InputClickHook.h"
#include "shell/MenuController.h"
#include "shell/MusicBar.h"
#include "shell/MusicBarView.h"
#include "sound/FluidMusicPlayer.h"
#include "sound/MusicController.h"
#include "sound/ResourceTrackStore.h"
#include "sound/SoundDeviceCheck.h"
#include "sound/SoundDevices.h"
#include "sound/SoundOutput.h"
#include "sound/ToneOutput.h"
#include "timing/TCKMultimediaTimer.h"

#include <QAbstractButton>
#include <QLabel>
#include <QRandomGenerator>

namespace lumo {

namespace {
constexpr int kMusicPollMs = 1000;
constexpr int kRandomTracks = 8;
} // namespace

SoundWiring::SoundWiring(MusicBar &bar, SettingsPanel &panel, UserSettings &settings,
    ToneOutput &tones, Game &game, GameHost &host, TipLift &tipLift, MenuController &menu)
    : FBar(bar), FPanel(panel), FSettings(settings), FTones(tones), FMenu(menu)
{
    setObjectName(QStringLiteral("SoundWiring"));
    FMusicTimer = new TCKMultimediaTimer(this);
    FMusicTimer->setObjectName(QStringLiteral("t_midi"));
    FMusicTimer->SetEnabled(false);
    FMusicTimer->SetInterval(kMusicPollMs);
    FMusicTimer->SetOnTimer([this](TCKMultimediaTimer *) { t_midiTimer(); });

    FView = std::make_unique<MusicBarView>(bar, panel, settings, *FMusicTimer,
        [this] { StartMidiSound(); });
    FCheck = std::make_unique<SoundDeviceCheck>(tones, *FView);
    ConnectMusicControls();

    FHook = new InputClickHook(game, host, tipLift, this);
    FHook->Install();
}

SoundWiring::~SoundWiring()
{
    FMusicTimer->SetEnabled(false);
    FHook->Remove();
}

void SoundWiring::ConnectMusicControls()
{
    connect(&FBar, &MusicBar::lb_midiClicked, this, [this] { StartMidiSound(); });
    connect(FBar.btn_next, &QAbstractButton::clicked, this, [this] { btn_nextClick(); });
    connect(FBar.btn_prev, &QAbstractButton::clicked, this, [this] { btn_prevClick(); });
    connect(FPanel.btn_musik(), &QAbstractButton::clicked, this, [this] { StartMidiSound(); });
    // The switches need a wave output; the device check keeps bt_soundonoff in line later.
    const bool wave = FTones.WaveOutputPresent();
    FPanel.btn_musik()->setEnabled(wave);
    FPanel.bt_soundonoff()->setEnabled(wave);
}

void SoundWiring::PrepareMusic(const QString &musicTempFile)
{
    FBar.lb_midi->show();
    FBar.btn_prev->show();
    FBar.btn_next->show();
    FPanel.btn_musik()->setEnabled(true);
    FMusicTempFile = musicTempFile;
}

MusicController &SoundWiring::Music()
{
    if (!FMusic) {
        const QString file = FMusicTempFile.isEmpty() ? ResourceTrackStore::DefaultFilePath()
                                                      : FMusicTempFile;
        FStore = std::make_unique<ResourceTrackStore>(file);
        // The sound output exists as long as the application does, and so does the window.
        FPlayer = std::make_unique<FluidMusicPlayer>(SoundDevices::Instance(), *SoundOutput::Instance());
        FMusic = std::make_unique<MusicController>(*FView, *FPlayer, *FStore,
            [] { return static_cast<int>(QRandomGenerator::global()->bounded(kRandomTracks)); });
        FMusic->ResetTracks();
    }
    return *FMusic;
}

void SoundWiring::SetMusic(bool on)
{
    // FMusicOn is set first: the view reports it while the switch runs.
    FSettings.FMusicOn = on;
    Music().SetMusic(on);
}

void SoundWiring::StartMidiSound()
{
    FMenu.CloseMenu();
    SetMusic(!FSettings.FMusicOn);
}

void SoundWiring::btn_nextClick()
{
    Music().NextClicked();
}

void SoundWiring::btn_prevClick()
{
    Music().PreviousClicked();
}

void SoundWiring::t_midiTimer()
{
    Music().PollMusic();
}

void SoundWiring::CheckSoundDevices()
{
    FCheck->CheckSoundDevices();
}

} // namespace lumo
