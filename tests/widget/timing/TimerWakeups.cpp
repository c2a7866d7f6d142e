// Counts how often the process is woken while the game's timers idle.
//
//   timer_wakeups [seconds] [--animation]
//
// Creates the main window's timer set (250 ms title tick and 1000 ms music poll
// running; the creature and blink timers off unless --animation), runs the event
// loop for the given time and prints the context switches per second read from
// /proc/self/status.

#include "timing/TCKMultimediaTimer.h"

#include <QCoreApplication>
#include <QFile>
#include <QTimer>

#include <cstdio>
#include <memory>
#include <vector>

namespace {

long SwitchCount(const char *field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray name = QByteArray(field) + ':';
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(name))
            return line.mid(name.size()).trimmed().toLong();
    }
    return -1;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    int seconds = 10;
    bool animation = false;
    for (const QString &arg : app.arguments().mid(1)) {
        if (arg == QLatin1String("--animation"))
            animation = true;
        else if (arg.toInt() > 0)
            seconds = arg.toInt();
    }

    struct TimerSetup {
        const char *name;
        std::uint32_t interval;
        bool running;
    };
    const std::vector<TimerSetup> setups = {
        {"kopf_timer", 250, true}, {"t_midi", 1000, true},   {"t_ani", 500, animation},
        {"t_biene", 50, animation}, {"t_kaefer", 100, animation}, {"t_hase", 3000, animation},
        {"t_blinker", 500, false},
    };
    std::vector<std::unique_ptr<lumo::TCKMultimediaTimer>> timers;
    for (const TimerSetup &setup : setups) {
        auto timer = std::make_unique<lumo::TCKMultimediaTimer>();
        timer->SetEnabled(false);
        timer->SetInterval(setup.interval);
        timer->SetOnTimer([](lumo::TCKMultimediaTimer *) {});
        timer->SetEnabled(setup.running);
        timers.push_back(std::move(timer));
    }

    const long voluntaryBefore = SwitchCount("voluntary_ctxt_switches");
    const long involuntaryBefore = SwitchCount("nonvoluntary_ctxt_switches");
    QTimer::singleShot(seconds * 1000, &app, &QCoreApplication::quit);
    app.exec();
    const long voluntary = SwitchCount("voluntary_ctxt_switches") - voluntaryBefore;
    const long involuntary = SwitchCount("nonvoluntary_ctxt_switches") - involuntaryBefore;

    std::printf("seconds: %d, animation timers: %s\n", seconds, animation ? "on" : "off");
    for (size_t i = 0; i < setups.size(); ++i)
        std::printf("  %-10s %5u ms  %s  calls %llu\n", setups[i].name, setups[i].interval,
                    setups[i].running ? "on " : "off",
                    static_cast<unsigned long long>(timers[i]->FireCount()));
    std::printf("voluntary context switches: %ld (%.1f per second)\n", voluntary,
                static_cast<double>(voluntary) / seconds);
    std::printf("involuntary context switches: %ld (%.1f per second)\n", involuntary,
                static_cast<double>(involuntary) / seconds);
    return 0;
}
