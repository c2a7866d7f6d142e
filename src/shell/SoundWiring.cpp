#include "shell/SoundWiring.h"

#include "engine/Game.h"
#include "persistence/SettingsPanel.h"
#include "shell/InputClickHook.h"
#include "shell/LumoForm.h"
#include "shell/MusicBar.h"
#include "shell/MusicBarView.h"
#include "shell/QtGameHost.h"
#include "sound/FluidMusicPlayer.h"
#include "sound/MusicController.h"
#include "sound/ResourceTrackStore.h"
#include "sound/SoundDeviceCheck.h"
#include "sound/SoundDevices.h"
#include "sound/SoundOutput.h"
#include "sound/SoundPlayback.h"
#include "timing/TCKMultimediaTimer.h"

#include <QAbstractButton>
#include <QLabel>
#include <QRandomGenerator>

namespace lumo {

namespace {
constexpr int kMusicPollMs = 1000;
constexpr int kRandomTracks = 8;
} // namespace

SoundWiring::SoundWiring(TLumoForm &form) : QObject(&form), FForm(form)
{
    setObjectName(QStringLiteral("SoundWiring"));
    FMusicTimer = new TCKMultimediaTimer(this);
    FMusicTimer->setObjectName(QStringLiteral("t_midi"));
    FMusicTimer->SetEnabled(false);
    FMusicTimer->SetInterval(kMusicPollMs);
    FMusicTimer->SetOnTimer([this](TCKMultimediaTimer *) { t_midiTimer(); });

    FView = std::make_unique<MusicBarView>(form, *FMusicTimer);
    FView->MusicButtonClick = [this] { StartMidiSound(); };
    FCheck = std::make_unique<SoundDeviceCheck>(SoundDevices::Instance(), *FView);

    QtGameHost &host = form.Host();
    host.OnPlayTone = [this](int f, int d, int v) { PlayTone(f, d, v); };
    host.OnWaveOutputPresent = [this] { return WaveOutputPresent(); };
    host.OnSoundSwitchOn = [&form] { return form.FSoundOn; };
    host.OnPlayApplause = [] { PlayResourceSound(QStringLiteral("Applaus")); };

    form.CheckSoundDevice = [this] { CheckSoundDevices(); };
    form.SetMusic = [this, &form](bool on) {
        // Start-up: the music switch is usable from now on in any case.
        if (form.p_engine)
            form.p_engine->btn_musik()->setEnabled(true);
        SetMusic(on);
    };
    ConnectMusicControls();

    InputClickHook::Actions actions;
    actions.soundAllowed = [this] { return SoundAllowed(); };
    actions.ready = [&form] { return form.Engine().Ready(); };
    actions.playTone = [this](int f, int d, int v) { PlayTone(f, d, v); };
    actions.restoreCursor = [&form] { form.Engine().SetWaitCursor(false); };
    actions.showTipHint = [&form] { form.Host().SetApplicationHint(form.Engine().TipText()); };
    actions.tipClick = [&form] { form.i_tippClick(); };
    FHook = new InputClickHook(std::move(actions), this);
    FHook->Install();
}

SoundWiring::~SoundWiring()
{
    FMusicTimer->SetEnabled(false);
    FHook->Remove();
}

void SoundWiring::ConnectMusicControls()
{
    MusicBar *bar = FForm.p_Sound;
    connect(bar, &MusicBar::lb_midiClicked, this, [this] { StartMidiSound(); });
    connect(bar->btn_next, &QAbstractButton::clicked, this, [this] { btn_nextClick(); });
    connect(bar->btn_prev, &QAbstractButton::clicked, this, [this] { btn_prevClick(); });
    if (SettingsPanel *panel = FForm.p_engine) {
        connect(panel->btn_musik(), &QAbstractButton::clicked, this, [this] { StartMidiSound(); });
        // The switches need a wave output; the device check keeps bt_soundonoff in line later.
        const bool wave = WaveOutputPresent();
        panel->btn_musik()->setEnabled(wave);
        panel->bt_soundonoff()->setEnabled(wave);
    }
}

bool SoundWiring::WaveOutputPresent()
{
    return FProbe ? FProbe->WaveOutputPresent() : lumo::WaveOutputPresent();
}

bool SoundWiring::MidiOutputPresent()
{
    return FProbe ? FProbe->MidiOutputPresent() : lumo::MidiOutputPresent();
}

bool SoundWiring::SoundAllowed()
{
    return WaveOutputPresent() && FForm.FSoundOn;
}

void SoundWiring::PlayTone(int frequencyHz, int durationMs, int volume)
{
    if (FTonePlayer)
        FTonePlayer(frequencyHz, durationMs, volume);
    else
        lumo::PlayTone(frequencyHz, durationMs, volume);
}

void SoundWiring::PlaySwitchOnTone()
{
    if (SoundAllowed() && !FForm.Engine().QuietStart())
        PlayTone(2000, 5, 20);
}

MusicController &SoundWiring::Music()
{
    if (!FMusic) {
        const QString file = FForm.MusicTempFile().isEmpty() ? ResourceTrackStore::DefaultFilePath()
                                                              : FForm.MusicTempFile();
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
    FForm.FMusicOn = on;
    Music().SetMusic(on);
}

void SoundWiring::StartMidiSound()
{
    FForm.CloseMenu();
    SetMusic(!FForm.FMusicOn);
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

void SoundWiring::SetTonePlayer(TonePlayer player)
{
    FTonePlayer = std::move(player);
}

void SoundWiring::SetDeviceProbe(SoundDeviceProbe *probe)
{
    FProbe = probe;
    FCheck = std::make_unique<SoundDeviceCheck>(probe ? *probe : SoundDevices::Instance(), *FView);
}

} // namespace lumo
