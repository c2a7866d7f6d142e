#pragma once
// The main window: a frameless frame around the card table with its own title
// bar, menu and music bar. It builds its parts, hands each exactly what it
// needs, connects their signals, and runs the start-up after it has first been
// shown; what the parts do lives in the parts.

#include "persistence/UserSettings.h"

#include <QString>
#include <QWidget>

#include <memory>

namespace lumo {

class Board;
class BoardMouse;
class ClockSeededRandom;
class CreatureAnimation;
class CreatureWiring;
class CompanionWiring;
class CrashWiring;
class GameSounds;
class GradientPanel;
class HelpWiring;
class HighScoreWiring;
class HoverReporter;
class MenuController;
class MenuPanel;
class MusicBar;
class OnlineWiring;
class PointerTracker;
class QtGameHost;
class SettingsWiring;
class SoundWiring;
class SteadyMonotonicClock;
class TCKMultimediaTimer;
class TitleBar;
class TitleMarquee;
class ToolTipBlocker;

class TLumoForm : public QWidget {
    Q_OBJECT
public:
    static constexpr int FormWidth = 792;
    static constexpr int FormHeight = 541;

    explicit TLumoForm(QWidget *parent = nullptr);
    ~TLumoForm() override;

protected:
    void showEvent(QShowEvent *event) override;
    bool event(QEvent *event) override;
    void customEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    // Tests reach the components and parts through TLumoFormTestAccess
    // (tests/widget/shell/LumoFormTestAccess.h); no program code does.
    friend class TLumoFormTestAccess;

    void BuildFrame();
    void CreateParts();
    void ConnectCommands();

    // --- Handlers ----------------------------------------------------------
    void FormActivate();
    void DeferredStart();
    void kopf_timerTimer();
    void KeepOnDesktop();
    void bt_menueClick();
    void bt_minimizeClick();
    void bt_endeClick();
    void CloseMenu();
    void GenericMouseMove(QWidget *sender);
    void p_hauptMouseDown(QWidget *sender, Qt::MouseButton button);
    void t_blinkerTimer();
    // After every render: the level mark and the blink timer follow the model.
    void AfterRender();

    // --- Components of the frame --------------------------------------------
    GradientPanel *p_haupt = nullptr;
    TitleBar *panel_menue = nullptr;
    Board *p_karten = nullptr;
    MenuPanel *p_menue = nullptr;
    MusicBar *p_Sound = nullptr;
    TCKMultimediaTimer *kopf_timer = nullptr;
    TCKMultimediaTimer *t_blinker = nullptr;

    // --- Window state --------------------------------------------------------
    // The user's switches, all off until the stored ones are read.
    UserSettings FSettings;
    // 0 until the window has been activated once, then 1.
    int FActivationMark = 0;
    QString FProgramVersion;
    bool FShownOnce = false;
    bool FDeferredStartDone = false;

    // --- Parts, made in CreateParts; each gets what it needs there ------------
    // The crash report comes first and goes last: it logs every exception of
    // the window's life.
    std::unique_ptr<CrashWiring> FCrash;
    std::unique_ptr<PointerTracker> FPointer;
    std::unique_ptr<ToolTipBlocker> FToolTips;
    std::unique_ptr<GameSounds> FSounds;
    std::unique_ptr<ClockSeededRandom> FRandom;
    std::unique_ptr<SteadyMonotonicClock> FClock;
    std::unique_ptr<QtGameHost> FHost;
    std::unique_ptr<MenuController> FMenu;
    std::unique_ptr<HoverReporter> FHover;
    std::unique_ptr<BoardMouse> FMouse;
    std::unique_ptr<CompanionWiring> FCompanion;
    std::unique_ptr<HighScoreWiring> FHighScores;
    std::unique_ptr<CreatureWiring> FCreatureHost;
    std::unique_ptr<ClockSeededRandom> FCreatureRandom;
    // The creatures on the table; their switch is the animation switch.
    std::unique_ptr<CreatureAnimation> FAnimation;
    std::unique_ptr<SettingsWiring> FSettingsWiring;
    std::unique_ptr<SoundWiring> FSound;
    std::unique_ptr<TitleMarquee> FMarquee;
    std::unique_ptr<HelpWiring> FHelp;
    std::unique_ptr<OnlineWiring> FOnline;
};

} // namespace lumo
