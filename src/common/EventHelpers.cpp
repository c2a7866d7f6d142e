#include "common/EventHelpers.h"

#include <QCoreApplication>
#include <QEvent>
#include <QThread>

#include <chrono>

namespace lumo {

namespace {

std::int64_t MonotonicNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
        std::chrono::steady_clock::now().time_since_epoch()).count();
}

} // namespace

std::int64_t DelayClockTicks()
{
    return MonotonicNs() / kDelayClockTickNs;
}

void Delay(std::uint32_t milliseconds)
{
    if (milliseconds == 0)
        return;
    const std::int64_t wanted = static_cast<std::int64_t>(milliseconds) * 1'000'000;
    const std::int64_t start = MonotonicNs();
    // The ticking reading at the start: its last tick, not the exact time.
    const std::int64_t tickedStart = start / kDelayClockTickNs * kDelayClockTickNs;
    for (;;) {
        const std::int64_t now = MonotonicNs();
        const std::int64_t ticked = now / kDelayClockTickNs * kDelayClockTickNs;
        if (now - start >= wanted && ticked - tickedStart >= wanted)
            return;
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        // processEvents returns at once when nothing is pending; sleep briefly so the
        // wait does not spin a core at 100 %.
        QThread::usleep(1000);
    }
}

namespace {

class KeyEater : public QObject {
public:
    int count = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
            ++count;
            return true;
        case QEvent::ShortcutOverride:
            return true;
        default:
            return false;
        }
    }
};

} // namespace

int DiscardKeyboardMessages()
{
    auto *app = QCoreApplication::instance();
    if (!app)
        return 0;
    KeyEater eater;
    app->installEventFilter(&eater);
    // Deliver what the window system has queued, with every key event swallowed on
    // its way; posted key events go the same way.
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    QCoreApplication::sendPostedEvents();
    app->removeEventFilter(&eater);
    return eater.count;
}

} // namespace lumo
