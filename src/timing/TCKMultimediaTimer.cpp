#include "timing/TCKMultimediaTimer.h"

#include <QElapsedTimer>

#include <algorithm>
#include <utility>

namespace lumo {

namespace {

// One monotonic millisecond clock for every timer of the process.
qint64 NowMs()
{
    static const QElapsedTimer clock = [] {
        QElapsedTimer c;
        c.start();
        return c;
    }();
    return clock.elapsed();
}

} // namespace

TCKMultimediaTimer::TCKMultimediaTimer(QObject *owner)
    : QObject(owner), FAlive(std::make_shared<bool>(true))
{
    FWake.setSingleShot(true);
    FWake.setTimerType(Qt::PreciseTimer);
    connect(&FWake, &QTimer::timeout, this, &TCKMultimediaTimer::Check);
    SetEnabled(true);
}

TCKMultimediaTimer::~TCKMultimediaTimer()
{
    *FAlive = false;
    FEnabled = false;
    FWake.stop();
}

void TCKMultimediaTimer::SetEnabled(bool enabled)
{
    FEnabled = enabled;
    if (enabled) {
        FLastFire = NowMs();
        Arm();
    } else {
        FWake.stop();
    }
}

void TCKMultimediaTimer::SetInterval(std::uint32_t milliseconds)
{
    FInterval = milliseconds;
    Arm();
}

void TCKMultimediaTimer::SetOnTimer(Handler handler)
{
    FOnTimer = std::move(handler);
    Arm();
}

qint64 TCKMultimediaTimer::Reference() const
{
    // While a call runs (and waits, processing events) the interval is counted
    // from the start of that call, so a waiting handler is re-entered once per
    // interval at most instead of at every pass of its wait.
    if (FDepth > 0)
        return std::max(FLastFire, FLastStart);
    return FLastFire;
}

void TCKMultimediaTimer::Arm()
{
    // Nothing to call: stay asleep until a handler arrives.
    if (!FEnabled || !FOnTimer) {
        FWake.stop();
        return;
    }
    const qint64 due = Reference() + static_cast<qint64>(FInterval);
    const qint64 wait = due - NowMs();
    // Millisecond granularity: never sooner than 1 ms, so interval 0 runs about
    // once per millisecond instead of spinning.
    FWake.start(static_cast<int>(std::clamp<qint64>(wait, 1, 0x7fffffff)));
}

void TCKMultimediaTimer::Check()
{
    if (!FEnabled || !FOnTimer)
        return;
    const qint64 now = NowMs();
    if (now - Reference() < static_cast<qint64>(FInterval)) {
        Arm();
        return;
    }

    // Keep the handler alive even if it replaces itself while running.
    const Handler handler = FOnTimer;
    const std::shared_ptr<bool> alive = FAlive;
    struct CallScope {
        TCKMultimediaTimer *timer;
        std::shared_ptr<bool> alive;
        qint64 outerStart;
        bool returned = false;
        ~CallScope()
        {
            if (!*alive)
                return; // deleted from inside its own handler
            --timer->FDepth;
            timer->FLastStart = outerStart;
            // A failing handler leaves FLastFire alone, so the next check calls
            // it again; the timer keeps running either way.
            if (returned)
                timer->FLastFire = NowMs();
            timer->Arm();
        }
    } scope{this, alive, FLastStart};

    ++FDepth;
    ++FFireCount;
    FLastStart = now;
    Arm(); // wakes us for a re-entry if the handler waits past its interval
    handler(this);
    scope.returned = true;
}

} // namespace lumo
