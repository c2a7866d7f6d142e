#include "shell/InputClickHook.h"

#include "engine/Game.h"
#include "shell/TipLift.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>

namespace lumo {

namespace {
constexpr int kClickHz = 1200;
constexpr int kClickVolume = 5;
constexpr int kKeyMs = 10;
constexpr int kLeftMs = 5;
constexpr int kRightMs = 10;
} // namespace

InputClickHook::InputClickHook(Game &game, GameHost &host, TipLift &tipLift, QObject *parent)
    : QObject(parent), FGame(game), FHost(host), FTipLift(tipLift)
{
}

InputClickHook::~InputClickHook()
{
    Remove();
}

void InputClickHook::Install()
{
    if (FInstalled || !QCoreApplication::instance())
        return;
    QCoreApplication::instance()->installEventFilter(this);
    FInstalled = true;
}

void InputClickHook::Remove()
{
    if (!FInstalled)
        return;
    if (QCoreApplication::instance())
        QCoreApplication::instance()->removeEventFilter(this);
    FInstalled = false;
}

bool InputClickHook::eventFilter(QObject *watched, QEvent *event)
{
    // Input reaches a window first and is then handed on to its widgets (and
    // their parents), each step passing this filter again; the window's copy
    // is the one that came from the window system, so only it counts.
    if (watched->isWindowType()) {
        switch (event->type()) {
        case QEvent::KeyPress:
            KeyDown();
            break;
        case QEvent::MouseButtonPress: {
            const auto button = static_cast<QMouseEvent *>(event)->button();
            if (button == Qt::LeftButton)
                LeftButtonDown();
            else if (button == Qt::RightButton)
                RightButtonDown();
            break;
        }
        case QEvent::MouseButtonRelease:
            // Back to the normal arrow, for the screen and for the game.
            if (static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
                FGame.SetWaitCursor(false);
            break;
        default:
            break;
        }
    }
    return QObject::eventFilter(watched, event);
}

bool InputClickHook::ClickAllowed() const
{
    return FGame.SoundOn() && FGame.Ready();
}

void InputClickHook::Tone(int durationMs) const
{
    FHost.PlayTone(kClickHz, durationMs, kClickVolume);
}

void InputClickHook::KeyDown()
{
    if (ClickAllowed())
        Tone(kKeyMs);
}

void InputClickHook::LeftButtonDown()
{
    if (ClickAllowed())
        Tone(kLeftMs);
}

void InputClickHook::RightButtonDown()
{
    if (!FGame.Ready())
        return;
    FHost.SetApplicationHint(FGame.TipText());
    if (FGame.SoundOn())
        Tone(kRightMs);
    FTipLift.i_tippClick();
}

} // namespace lumo
