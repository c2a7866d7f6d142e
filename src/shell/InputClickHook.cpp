#include "shell/InputClickHook.h"

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

bool Call(const std::function<bool()> &test)
{
    return test && test();
}
} // namespace

InputClickHook::InputClickHook(Actions actions, QObject *parent)
    : QObject(parent), FActions(std::move(actions))
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
            if (static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton && FActions.restoreCursor)
                FActions.restoreCursor();
            break;
        default:
            break;
        }
    }
    return QObject::eventFilter(watched, event);
}

bool InputClickHook::ClickAllowed() const
{
    return Call(FActions.soundAllowed) && Call(FActions.ready);
}

void InputClickHook::Tone(int durationMs) const
{
    if (FActions.playTone)
        FActions.playTone(kClickHz, durationMs, kClickVolume);
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
    if (!Call(FActions.ready))
        return;
    if (FActions.showTipHint)
        FActions.showTipHint();
    if (Call(FActions.soundAllowed))
        Tone(kRightMs);
    if (FActions.tipClick)
        FActions.tipClick();
}

} // namespace lumo
