#pragma once
// Periodic millisecond timer whose handler always runs on the main thread.
//
// The interval counts from the end of the previous handler call (or from the
// start), so a slow handler stretches the period and a late wake-up never
// causes a burst of catch-up calls. Instead of polling every millisecond the
// timer sleeps until the moment its interval will have passed: an idle program
// wakes only for the timers that are due.

#include <QObject>
#include <QTimer>

#include <cstdint>
#include <functional>
#include <memory>

namespace lumo {

class TCKMultimediaTimer : public QObject {
    Q_OBJECT

public:
    using Handler = std::function<void(TCKMultimediaTimer *)>;

    // A new timer runs at once with an interval of 1000 ms (and no handler).
    explicit TCKMultimediaTimer(QObject *owner = nullptr);
    ~TCKMultimediaTimer() override;

    TCKMultimediaTimer(const TCKMultimediaTimer &) = delete;
    TCKMultimediaTimer &operator=(const TCKMultimediaTimer &) = delete;

    bool Enabled() const { return FEnabled; }
    // true (re)starts the timer and measures the interval from now; false stops it.
    void SetEnabled(bool enabled);

    std::uint32_t Interval() const { return FInterval; }
    // Takes effect at the next check; the timer is not restarted.
    void SetInterval(std::uint32_t milliseconds);

    const Handler &OnTimer() const { return FOnTimer; }
    // Without a handler the timer runs but calls nothing.
    void SetOnTimer(Handler handler);

    // How often the handler has been called; for diagnostics and tools.
    std::uint64_t FireCount() const { return FFireCount; }

private:
    void Check();
    void Arm();
    qint64 Reference() const;

    bool FEnabled = false;
    std::uint32_t FInterval = 1000;
    Handler FOnTimer;

    QTimer FWake;              // single-shot, precise: fires when the interval is due
    qint64 FLastFire = 0;      // monotonic ms at the start or at the end of the last call
    qint64 FLastStart = -1;    // monotonic ms when the innermost running call began
    int FDepth = 0;            // handler calls currently on the stack
    std::uint64_t FFireCount = 0;
    std::shared_ptr<bool> FAlive; // lets a running call notice the timer was deleted
};

} // namespace lumo
