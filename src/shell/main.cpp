// Program entry: the start-up checks, one running instance per user, the
// helper bird's greeting while the main window is built, and the event loop.
#include "companion/TForm_Vogel.h"
#include "common/EventHelpers.h"
#include "shell/LumoApplication.h"
#include "shell/TLumoForm.h"
#include "shell/PointerWarp.h"
#include "common/QtTextHelpers.h"
#include "common/FileHelpers.h"
#include "shell/ScreenScale.h"
#include "shell/SingleInstance.h"
#include "shell/StartupChecks.h"
#include "shell/StartupChecksQt.h"
#include "shell/SystemInfo.h"
#include "sound/SoundPlayback.h"

#include "LumoAddresses.h"

#include <QApplication>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QIcon>
#include <QScreen>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <thread>

namespace {

// Without a display Qt cannot even create the application object; a later
// start still only wakes the running instance, the first one says why it
// does not run on the terminal.
int RunWithoutDisplay(int argc, char *argv[])
{
    QCoreApplication core(argc, argv);
    lumo::SingleInstance instance;
    if (!instance.IsPrimary()) {
        instance.ActivateRunningInstance();
        return 0;
    }
    std::fputs(lumo::NoDisplayRefusalForConsole().c_str(), stderr);
    return 1;
}

QPoint ScreenHalves()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return QPoint();
    const QRect g = screen->geometry();
    return QPoint(g.left() + g.width() / 2, g.top() + g.height() / 2);
}

// The bird greets with the recorded "Hallo" and then shows what it runs on
// while the main window is being built.
std::unique_ptr<lumo::TForm_Vogel> GreetingBird()
{
    lumo::WarpPointer(ScreenHalves());
    auto bird = std::make_unique<lumo::TForm_Vogel>();
    bird->SetWaveOutputPresent([] { return lumo::WaveOutputPresent(); });
    bird->SetGreetingPlayer([] { return lumo::PlayResourceSoundReported(QStringLiteral("HALLO")); });
    bird->move(ScreenHalves());
    bird->setEnabled(true);
    bird->show();
    QCoreApplication::processEvents();

    bird->Say(QStringLiteral("Hallo"), true);
    // A short pause in which nothing moves, not even the eyes.
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    bird->Say(QString::fromStdString(lumo::SystemInfoText()) + QStringLiteral("\r\n")
            + QStringLiteral("Bitte warten!"),
        false);
    return bird;
}

// The QT_SCALE_FACTOR at which the window fits the primary screen, when the
// desktop's scale factor leaves too few logical pixels for it.
std::optional<double> FittingScale()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return std::nullopt;
    lumo::ScreenScale scale;
    scale.effectiveFactor = screen->devicePixelRatio();
    scale.deviceWidth = qRound(screen->size().width() * scale.effectiveFactor);
    scale.deviceHeight = qRound(screen->size().height() * scale.effectiveFactor);
    scale.qtScaleFactor = lumo::QtScaleFactorOf(std::getenv("QT_SCALE_FACTOR"));
    return lumo::FittingQtScaleFactor(scale);
}

// The application object, at a scale factor at which the window fits. Qt
// reads its scale factors only while the application object is created, so
// when the first one shows too few logical pixels it is made again with
// QT_SCALE_FACTOR set.
std::unique_ptr<lumo::LumoApplication> FittingApplication(int &argc, char *argv[])
{
    auto app = std::make_unique<lumo::LumoApplication>(argc, argv);
    if (const std::optional<double> factor = FittingScale()) {
        app.reset();
        qputenv("QT_SCALE_FACTOR", QByteArray::number(*factor, 'g', 6));
        app = std::make_unique<lumo::LumoApplication>(argc, argv);
    }
    return app;
}

} // namespace

int main(int argc, char *argv[])
{
    if (!lumo::DisplayAvailable())
        return RunWithoutDisplay(argc, argv);

    const std::unique_ptr<lumo::LumoApplication> app = FittingApplication(argc, argv);
    // Started through the lower-case link too, the data folder keeps the program's name.
    QCoreApplication::setApplicationName(QString::fromStdString(lumo::ProgramBaseName()));
    // The menu entry's name, which Wayland desktops match windows by, and its bird.
    QGuiApplication::setDesktopFileName(QStringLiteral(LUMO_APP_ID));
    QGuiApplication::setWindowIcon(QIcon(QStringLiteral(":/companion/bird_neutral.svg")));
    const QString startupError = lumo::StartupError();

    // One instance per user: a later start, even one that would be refused
    // here, only brings the running window to the front and shows nothing.
    lumo::SingleInstance instance;
    if (!instance.IsPrimary()) {
        instance.ActivateRunningInstance();
        return 0;
    }
    if (!lumo::Trim(startupError).isEmpty()) {
        lumo::ShowStartupRefusal(startupError);
        return 1;
    }

    std::unique_ptr<lumo::TLumoForm> form;
    {
        // The bird goes when this block ends, also when building the window fails.
        const std::unique_ptr<lumo::TForm_Vogel> bird = GreetingBird();
        lumo::Delay(2000);
        bird->repaint();
        // The task bar shows the window's title: "Lumo" until the main
        // window's marquee starts at its first activation.
        form = std::make_unique<lumo::TLumoForm>();
        bird->repaint();
    }

    lumo::TLumoForm *window = form.get();
    instance.SetActivationHandler([window] { lumo::BringToForeground(window); });
    form->show();
    const int result = app->exec();
    instance.SetActivationHandler({});
    // After a crash report the window closed like any other, but the run failed.
    return lumo::LumoApplication::CrashReported() ? lumo::LumoApplication::kCrashExitStatus : result;
}
