#include "shell/TLumoForm.h"

#include "LumoVersion.h"
#include "common/FileHelpers.h"
#include "common/PrivateFolder.h"
#include "common/ScreenCursor.h"
#include "companion/AnimatedPicture.h"
#include "engine/ClockSeededRandom.h"
#include "engine/Game.h"
#include "engine/SteadyMonotonicClock.h"
#include "lookfeel/LookColors.h"
#include "persistence/SettingsPanel.h"
#include "shell/CaptionText.h"
#include "shell/CompanionWiring.h"
#include "shell/CrashWiring.h"
#include "shell/CreatureWiring.h"
#include "shell/DesktopKeeper.h"
#include "shell/GameSounds.h"
#include "shell/HelpWiring.h"
#include "shell/HighScoreWiring.h"
#include "shell/HoverReporter.h"
#include "shell/MenuController.h"
#include "shell/MenuPanel.h"
#include "shell/MusicBar.h"
#include "shell/OnlineWiring.h"
#include "shell/PointerTracker.h"
#include "shell/PointerWarp.h"
#include "shell/QtGameHost.h"
#include "shell/SettingsWiring.h"
#include "shell/SoundWiring.h"
#include "shell/TestFault.h"
#include "shell/TestPosition.h"
#include "shell/TitleBar.h"
#include "shell/TitleMarquee.h"
#include "shell/ToolTipBlocker.h"
#include "table/Board.h"
#include "table/BoardMouse.h"
#include "table/TableImage.h"
#include "timing/CreatureAnimation.h"
#include "timing/TCKMultimediaTimer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCoreApplication>
#include <QCursor>
#include <QDate>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>
#include <QWindow>

namespace lumo {

namespace {

// Posted to the window when it is first shown; handled once it is visible.
const QEvent::Type kDeferredStartEvent = static_cast<QEvent::Type>(QEvent::User + 300);

QPoint ScreenCentre(const QWidget *w)
{
    const QScreen *screen = w->screen() ? w->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->geometry().center() : QPoint();
}

} // namespace

TLumoForm::TLumoForm(QWidget *parent) : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("TLumoForm"));
    setWindowTitle(QStringLiteral("Lumo"));
    setFixedSize(FormWidth, FormHeight);
    setAutoFillBackground(false);
    setAttribute(Qt::WA_NoSystemBackground);

    BuildFrame();
    CreateParts();
    ConnectCommands();

    // Centre on the screen.
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect g = screen->geometry();
        move(g.left() + g.width() / 2 - FormWidth / 2, g.top() + g.height() / 2 - FormHeight / 2);
    }
    SetScreenCursor(ScreenCursorShape::Wait);

    // A stale copy of the program in the temporary folder goes; only our own
    // regular file there, nothing else that bears its name.
    RemoveOwnRegularFile(PrivateTempFolder(),
        QFile::encodeName(QFileInfo(QCoreApplication::applicationFilePath()).fileName()).toStdString());

    FProgramVersion = QStringLiteral(LUMO_VERSION);
    panel_menue->lb_menue->setText(FMarquee->CaptionText() + QStringLiteral(" Vers. ") + FProgramVersion);
    panel_menue->lb_menue->adjustSize();

    kopf_timer->SetEnabled(true);
}

TLumoForm::~TLumoForm()
{
    kopf_timer->SetEnabled(false);
    t_blinker->SetEnabled(false);
}

void TLumoForm::BuildFrame()
{
    p_haupt = new GradientPanel(LookColors::FrameBlue(), LookColors::FrameBlue(),
        GradientPanel::Direction::Vertical, this);
    p_haupt->setObjectName(QStringLiteral("p_haupt"));
    p_haupt->setGeometry(0, 0, FormWidth, FormHeight);
    p_haupt->SetRaisedBevel(1);

    panel_menue = new TitleBar(p_haupt);
    panel_menue->setGeometry(2, 2, Board::TableWidth, TitleBar::BarHeight);
    p_karten = new Board(p_haupt);
    p_karten->move(2, 2 + TitleBar::BarHeight);
    p_Sound = new MusicBar(p_haupt);
    p_Sound->setGeometry(2, 2 + TitleBar::BarHeight + Board::TableHeight, Board::TableWidth,
        MusicBar::BarHeight);

    p_menue = new MenuPanel(p_karten);
    p_menue->move(0, 0);
    p_menue->hide();
    p_karten->AddOverlay(p_menue);

    for (QWidget *w : {static_cast<QWidget *>(p_haupt), static_cast<QWidget *>(panel_menue),
             static_cast<QWidget *>(panel_menue->lb_menue), static_cast<QWidget *>(p_karten)})
        w->installEventFilter(this);

    kopf_timer = new TCKMultimediaTimer(this);
    kopf_timer->SetInterval(250);
    kopf_timer->SetOnTimer([this](TCKMultimediaTimer *) { kopf_timerTimer(); });

    t_blinker = new TCKMultimediaTimer(this);
    t_blinker->SetEnabled(false);
    t_blinker->SetInterval(500);
    t_blinker->SetOnTimer([this](TCKMultimediaTimer *) { t_blinkerTimer(); });
}

// Every part is made here with what it needs, as references: a part can only
// be given what already exists. What the engine merely announces reaches the
// part that owns it as a signal, connected right where that part is made.
void TLumoForm::CreateParts()
{
    FCrash = std::make_unique<CrashWiring>(*kopf_timer, *this);

    // Application-wide watchers: where the pointer is; no Qt tooltips.
    FPointer = std::make_unique<PointerTracker>();
    FToolTips = std::make_unique<ToolTipBlocker>();
    FSounds = std::make_unique<GameSounds>();

    // The engine on its host.
    FRandom = std::make_unique<ClockSeededRandom>();
    FClock = std::make_unique<SteadyMonotonicClock>();
    FHost = std::make_unique<QtGameHost>(*p_karten, *FPointer, *FSounds, FSettings,
        FActivationMark, *FRandom, *FClock);
    Game &game = FHost->Engine();
    connect(FHost.get(), &QtGameHost::Rendered, this, [this] { AfterRender(); });
    FHost->Render();

    // The menu, opened by the "Menü" button and by hovering.
    FMenu = std::make_unique<MenuController>(p_menue, panel_menue->bt_menue, game);
    FMenu->SetLastHovered(this);
    connect(FHost.get(), &QtGameHost::CloseMenuRequested, this, [this] { CloseMenu(); });
    FHover = std::make_unique<HoverReporter>([this](QWidget *sender) { GenericMouseMove(sender); });
    FHover->Watch(panel_menue->bt_menue);
    FHover->Watch(panel_menue);
    FHover->Watch(p_karten);
    FHover->Watch(p_karten->Foundation(1));

    // Dragging and peeking on the card table.
    FMouse = std::make_unique<BoardMouse>(*p_karten, game, this);
    connect(FMouse.get(), &BoardMouse::CloseMenuRequested, this, [this] { CloseMenu(); });
    connect(FMouse.get(), &BoardMouse::RenderRequested, FHost.get(), &QtGameHost::Render);

    // The bird logo with the hint balloon, the tip, the message dialog.
    FCompanion = std::make_unique<CompanionWiring>(*panel_menue->i_logo, game, *FHost, *this);
    connect(FHost.get(), &QtGameHost::ApplicationHintChanged, FCompanion.get(),
        &CompanionWiring::SetApplicationHint);

    // The high-score list on the table and the name entry after a win.
    FHighScores = std::make_unique<HighScoreWiring>(*p_karten, *this);
    connect(FHost.get(), &QtGameHost::HighScoreEntryOffered, FHighScores.get(),
        &HighScoreWiring::OfferHighScoreEntry);

    // The creatures on the table, hidden and still until the animation is
    // switched on; their switch is the animation switch, and a won game
    // switches it off. The board keeps them in front of every card it raises.
    FCreatureHost = std::make_unique<CreatureWiring>(*FHost, *FSounds, *FMenu);
    FCreatureRandom = std::make_unique<ClockSeededRandom>();
    FAnimation = std::make_unique<CreatureAnimation>(*p_karten, *FCreatureHost, *FCreatureRandom,
        FSettings.FAnimationOn);
    for (QWidget *picture : FAnimation->Pictures())
        p_karten->AddOverlay(picture);
    connect(FHost.get(), &QtGameHost::AnimationStopRequested, this, [this] { FAnimation->SetAnimation(0); });

    // The settings panel with its switches and the stored settings.
    FSettingsWiring = std::make_unique<SettingsWiring>(*p_haupt, *p_menue->bt_setup, FSettings,
        game, *FSounds, *FAnimation, FCompanion->Channel(), *FMenu, *FHover);

    // The click hook, the device check and the background music.
    FSound = std::make_unique<SoundWiring>(*p_Sound, *FSettingsWiring->Panel(), FSettings,
        *FSounds, game, *FHost, FCompanion->Tip(), *FMenu);

    FMarquee = std::make_unique<TitleMarquee>(*this,
        QString::fromStdString(MakeCaptionText(QDate::currentDate().year())));

    // The help (bt_help, bt_helpm, F1) and the music key U.
    FHelp = std::make_unique<HelpWiring>(*panel_menue->bt_help, *p_menue->bt_helpm,
        FCompanion->Channel(), *FMenu, *FAnimation, FSettings, *FSound);
    // The update (title-bar button and menu entry), the mail to the author,
    // the web site behind the logo.
    FOnline = std::make_unique<OnlineWiring>(*this, *panel_menue->btn_InternetUpdate, *p_menue->bt_download,
        *p_menue->bt_mail, *panel_menue->i_logo, *FMenu);
}

void TLumoForm::ConnectCommands()
{
    Game &game = FHost->Engine();
    connect(panel_menue->bt_menue, &QAbstractButton::clicked, this, [this] { bt_menueClick(); });
    connect(panel_menue->bt_minimize, &QAbstractButton::clicked, this, [this] { bt_minimizeClick(); });
    connect(panel_menue->bt_ende, &QAbstractButton::clicked, this, [this] { bt_endeClick(); });
    connect(p_menue->bt_exit, &QAbstractButton::clicked, this, [this] { bt_endeClick(); });
    connect(p_menue->bt_neu, &QAbstractButton::clicked, this, [this, &game] {
        game.bt_neuClick();
        FHost->Render();
    });
    for (int level = 1; level <= 3; ++level) {
        connect(p_menue->LevelButton(level), &QAbstractButton::clicked, this, [this, &game, level] {
            CloseMenu();
            game.bt_stufe_Click(level);
            FHost->Render();
        });
    }
    connect(p_karten->bild_go, &TableImage::clicked, this, [this, &game] {
        game.bild_goClick(true);
        FHost->Render();
    });
    connect(p_karten->bild_stop, &TableImage::clicked, this, [this, &game] {
        game.bild_goClick(false);
        FHost->Render();
    });
}

void TLumoForm::AfterRender()
{
    const Game &game = FHost->Engine();
    p_menue->ShowLevel(game.Level());
    if (t_blinker->Enabled() != game.Board().blinkerEnabled)
        t_blinker->SetEnabled(game.Board().blinkerEnabled);
}

void TLumoForm::t_blinkerTimer()
{
    FHost->Engine().t_blinkerTimer();
    FHost->Render();
}

void TLumoForm::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (FShownOnce)
        return;
    FShownOnce = true;
    QCoreApplication::postEvent(this, new QEvent(kDeferredStartEvent));
}

bool TLumoForm::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate && FActivationMark == 0)
        FormActivate();
    return QWidget::event(event);
}

// The keys that reach the window itself; the controls see theirs first.
void TLumoForm::keyPressEvent(QKeyEvent *event)
{
    FHelp->FormKeyDown(event);
}

void TLumoForm::customEvent(QEvent *event)
{
    if (event->type() == kDeferredStartEvent)
        DeferredStart();
}

void TLumoForm::FormActivate()
{
    FActivationMark = 1;
    SetScreenCursor(ScreenCursorShape::Normal);
    WarpPointer(ScreenCentre(this));
    p_karten->update();
    FSettings.FHintsOn = true;
    CloseMenu();
}

void TLumoForm::DeferredStart()
{
    repaint();
    FHost->Engine().StartFirstGame();
    ApplyTestPosition(FHost->Engine());
    FHost->Render();
    WarpPointer(ScreenCentre(this));

    FSound->PrepareMusic(QString::fromStdString(TempFolderPath()) + QStringLiteral("~LUMO.TMP"));
    FSettingsWiring->ReadSettings();
    FOnline->ShowMailEntry();
    FSound->SetMusic(FSettings.FMusicOn);
    FAnimation->SetAnimation(FSettings.FAnimationOn ? 1 : 0);
    FDeferredStartDone = true;
}

void TLumoForm::kopf_timerTimer()
{
    if (FActivationMark == 0)
        return;
    // Only the crash report's end-to-end test sets faults here.
    TestFault::At("kopf_timerTimer");
    FMarquee->Tick();
    FSound->CheckSoundDevices();
    Game &game = FHost->Engine();
    if (game.ClockRunning()) {
        game.PlayClockTick();
        FHost->Render();
    }
    KeepOnDesktop();
}

void TLumoForm::KeepOnDesktop()
{
    const QScreen *screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    // An iconified window is not exposed. Its minimized mark alone is not
    // enough: the title writer stops the window's property events, so Qt does
    // not see the window manager iconify or restore it.
    if (!screen || isMinimized() || !windowHandle() || !windowHandle()->isExposed())
        return;
    const QRect desk = screen->virtualGeometry();
    const QRect frame = frameGeometry();
    const ScreenRect placed = lumo::KeepOnDesktop(
        ScreenRect{frame.left(), frame.top(), frame.width(), frame.height()},
        ScreenRect{desk.left(), desk.top(), desk.width(), desk.height()});
    if (placed.left != frame.left() || placed.top != frame.top())
        move(pos() + QPoint(placed.left - frame.left(), placed.top - frame.top()));
}

void TLumoForm::bt_menueClick()
{
    FMenu->bt_menueClick();
}

void TLumoForm::CloseMenu()
{
    FMenu->CloseMenu();
}

void TLumoForm::GenericMouseMove(QWidget *sender)
{
    FMenu->GenericMouseMove(sender);
}

void TLumoForm::bt_minimizeClick()
{
    // A restore through the task bar leaves Qt's minimized mark set (see
    // KeepOnDesktop); dropped first, or showMinimized() would find nothing to do.
    if (isMinimized())
        setWindowState(windowState() & ~Qt::WindowMinimized);
    showMinimized();
}

void TLumoForm::bt_endeClick()
{
    QCoreApplication::processEvents();
    SetScreenCursor(ScreenCursorShape::Normal);
    CloseMenu();
    FSettingsWiring->WriteSettings();
    FAnimation->SetAnimation(0);
    close();
}

bool TLumoForm::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress && watched->isWidgetType()) {
        auto *widget = static_cast<QWidget *>(watched);
        auto *mouse = static_cast<QMouseEvent *>(event);
        // Only a press on the control's own background moves the window.
        if (!widget->childAt(mouse->position().toPoint())) {
            p_hauptMouseDown(widget, mouse->button());
            if (widget == p_karten)
                FMouse->p_kartenClick();
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TLumoForm::p_hauptMouseDown(QWidget *, Qt::MouseButton button)
{
    // Only the left button moves the window. A right press is the tip
    // request, and its balloon has just been opened.
    if (button == Qt::LeftButton)
        FCompanion->HideHintBalloon();
    SetScreenCursor(ScreenCursorShape::SizeAll);
    if (button == Qt::LeftButton && !isMaximized() && windowHandle())
        windowHandle()->startSystemMove();
    SetScreenCursor(ScreenCursorShape::Normal);
}

} // namespace lumo
