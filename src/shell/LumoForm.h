#pragma once
// The main window: a frameless frame around the card table with its own title
// bar, menu and music bar. It wires the engine, the board's mouse handling and
// the timers together and runs the start-up after it has first been shown.

#include "persistence/UserSettings.h"

#include <QString>
#include <QWidget>

#include <functional>
#include <memory>
#include <string>

namespace lumo {

class Board;
class BoardMouse;
class ClockSeededRandom;
class CompanionWiring;
class Game;
class GradientPanel;
class HighScoreWiring;
class HoverReporter;
class MenuController;
class MenuPanel;
class MusicBar;
class PointerTracker;
class QtGameHost;
class SettingsPanel;
class SettingsWiring;
class SoundWiring;
class SteadyMonotonicClock;
class TCKMultimediaTimer;
class TitleBar;
class ToolTipBlocker;

class TLumoForm : public QWidget {
    Q_OBJECT
public:
    static constexpr int FormWidth = 792;
    static constexpr int FormHeight = 541;

    explicit TLumoForm(QWidget *parent = nullptr);
    ~TLumoForm() override;

    // --- Components ------------------------------------------------------
    GradientPanel *p_haupt = nullptr;
    TitleBar *panel_menue = nullptr;
    Board *p_karten = nullptr;
    MenuPanel *p_menue = nullptr;
    MusicBar *p_Sound = nullptr;
    // The settings panel on p_haupt; btn_musik is the music switch.
    SettingsPanel *p_engine = nullptr;
    TCKMultimediaTimer *kopf_timer = nullptr;
    TCKMultimediaTimer *t_blinker = nullptr;

    Game &Engine() { return *FGame; }
    QtGameHost &Host() { return *FHost; }
    BoardMouse &Mouse() { return *FMouse; }
    MenuController &Menu() { return *FMenu; }
    HoverReporter &Hover() { return *FHover; }
    // The bird logo, the hint balloon, the tip and the dialogs.
    CompanionWiring &Companion() { return *FCompanion; }

    // The settings panel with its switches and the stored settings.
    SettingsWiring &Settings() { return *FSettingsWiring; }
    // The high-score list on the table and the name entry after a win.
    HighScoreWiring &HighScores() { return *FHighScores; }
    // Tones, the click hook, the device check and the background music.
    SoundWiring &Sound() { return *FSound; }

    // --- User settings: all off until the stored ones are read -----------
    UserSettings FSettings;
    bool &FSoundOn = FSettings.FSoundOn;
    bool &FAnimationOn = FSettings.FAnimationOn;
    bool &FMusicOn = FSettings.FMusicOn;
    bool &FHintsOn = FSettings.FHintsOn;

    // --- Hook points for the parts wired later ---------------------------
    std::function<void()> ReadSettings;
    std::function<void()> WriteSettings;
    std::function<void(bool on)> SetMusic;
    std::function<void(bool on)> SetAnimation;
    // The sound-device check of every title tick.
    std::function<void()> CheckSoundDevice;
    // Hides the bird's hint balloon (the window is about to be moved).
    std::function<void()> HideHintBalloon;

    // --- Handlers ----------------------------------------------------------
    void kopf_timerTimer();
    void bt_menueClick();
    void bt_minimizeClick();
    void bt_endeClick();
    void CloseMenu();
    void GenericMouseMove(QWidget *sender);
    void DeferredStart();
    void KeepOnDesktop();
    // The tip on the board: lifts the tip's two cards for a moment.
    void i_tippClick();
    // The right-click tip: the tip text as hint, then i_tippClick (while Ready).
    void ShowTip();

    QString CaptionText() const { return FCaptionText; }
    QString MarqueeText() const;
    QString MusicTempFile() const { return FMusicTempFile; }
    QString ProgramVersionText() const { return FProgramVersion; }
    // 0 until the window has been activated once, then 1.
    int ActivationMark() const { return FActivationMark; }
    bool DeferredStartDone() const { return FDeferredStartDone; }

protected:
    void showEvent(QShowEvent *event) override;
    bool event(QEvent *event) override;
    void customEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void BuildFrame();
    void BuildEngine();
    void WireMenu();
    void FormActivate();
    void p_hauptMouseDown(QWidget *sender, Qt::MouseButton button);
    void AfterRender();

    std::unique_ptr<PointerTracker> FPointer;
    std::unique_ptr<ToolTipBlocker> FToolTips;
    std::unique_ptr<ClockSeededRandom> FRandom;
    std::unique_ptr<SteadyMonotonicClock> FClock;
    std::unique_ptr<QtGameHost> FHost;
    std::unique_ptr<Game> FGame;
    std::unique_ptr<MenuController> FMenu;
    HoverReporter *FHover = nullptr;
    BoardMouse *FMouse = nullptr;
    SettingsWiring *FSettingsWiring = nullptr;
    HighScoreWiring *FHighScores = nullptr;
    SoundWiring *FSound = nullptr;
    CompanionWiring *FCompanion = nullptr;

    QString FCaptionText;
    std::u32string FMarquee;
    QString FMusicTempFile;
    QString FProgramVersion;
    int FActivationMark = 0;
    bool FShownOnce = false;
    bool FDeferredStartDone = false;
};

} // namespace lumo
