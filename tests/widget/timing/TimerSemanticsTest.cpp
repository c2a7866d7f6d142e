// Semantics of the millisecond timer on the Qt event loop. Ranges are generous:
// they check how periods are counted, not how fast the machine is.

#include "common/EventHelpers.h"
#include "timing/TCKMultimediaTimer.h"

#include <QElapsedTimer>
#include <QTest>

#include <numeric>
#include <vector>

using lumo::TCKMultimediaTimer;

namespace {

void BusyWait(int milliseconds)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < milliseconds) {
    }
}

// Runs the event loop until the predicate holds or the limit passes.
template <typename Predicate>
bool RunUntil(Predicate done, int limitMs)
{
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < limitMs)
        QTest::qWait(1);
    return done();
}

} // namespace

class TimerSemanticsTest : public QObject {
    Q_OBJECT

private slots:
    void defaultsAreRunningAndOneSecond()
    {
        TCKMultimediaTimer timer;
        QVERIFY(timer.Enabled());
        QCOMPARE(timer.Interval(), 1000u);
        QVERIFY(!timer.OnTimer());
    }

    void periodIsIntervalPlusHandlerTime()
    {
        TCKMultimediaTimer timer;
        timer.SetInterval(50);
        std::vector<qint64> starts;
        QElapsedTimer clock;
        clock.start();
        timer.SetOnTimer([&](TCKMultimediaTimer *) {
            starts.push_back(clock.elapsed());
            BusyWait(30);
        });
        QVERIFY(RunUntil([&] { return starts.size() >= 7; }, 5000));
        timer.SetEnabled(false);

        std::vector<qint64> gaps;
        for (size_t i = 1; i < starts.size(); ++i)
            gaps.push_back(starts[i] - starts[i - 1]);
        const double mean = std::accumulate(gaps.begin(), gaps.end(), 0.0) / gaps.size();
        // The interval counts from the end of each call: never shorter than 80 ms.
        for (qint64 gap : gaps)
            QVERIFY2(gap >= 79, qPrintable(QString("gap %1 ms").arg(gap)));
        QVERIFY2(mean >= 70 && mean <= 120, qPrintable(QString("mean %1 ms").arg(mean)));
    }

    void shorterIntervalAppliesWithoutRestart_data()
    {
        QTest::addColumn<int>("changeAfterMs");
        QTest::addColumn<int>("earliestMs");
        // Changed early: the call comes 100 ms after the start, not 3000.
        QTest::newRow("before 100 ms passed") << 20 << 99;
        // Changed late: 100 ms have long passed, so the next check fires.
        QTest::newRow("after 100 ms passed") << 400 << 400;
    }

    void shorterIntervalAppliesWithoutRestart()
    {
        QFETCH(int, changeAfterMs);
        QFETCH(int, earliestMs);
        QElapsedTimer clock;
        clock.start();
        TCKMultimediaTimer timer;
        timer.SetInterval(3000);
        qint64 firedAt = -1;
        timer.SetOnTimer([&](TCKMultimediaTimer *t) {
            firedAt = clock.elapsed();
            t->SetEnabled(false);
        });
        QTest::qWait(changeAfterMs);
        QCOMPARE(firedAt, qint64(-1));
        timer.SetInterval(100);
        QVERIFY(RunUntil([&] { return firedAt >= 0; }, 2500));
        QVERIFY2(firedAt >= earliestMs, qPrintable(QString("fired at %1 ms").arg(firedAt)));
        QVERIFY2(firedAt < 2500, qPrintable(QString("fired at %1 ms").arg(firedAt)));
    }

    void timerWithoutHandlerRunsButCallsNothing()
    {
        TCKMultimediaTimer timer;
        timer.SetInterval(400);
        QTest::qWait(450);
        QVERIFY(timer.Enabled());
        QCOMPARE(timer.FireCount(), 0u);
        // It was running all along: its interval is long over, so a handler
        // given now is called at the next check.
        int calls = 0;
        timer.SetOnTimer([&](TCKMultimediaTimer *) { ++calls; });
        // Had it started only now, the call would be 400 ms away.
        QVERIFY(RunUntil([&] { return calls > 0; }, 300));
    }

    void enablingTwiceThenDisablingOnceStops()
    {
        TCKMultimediaTimer timer;
        timer.SetInterval(10);
        int calls = 0;
        timer.SetOnTimer([&](TCKMultimediaTimer *) { ++calls; });
        timer.SetEnabled(true);
        timer.SetEnabled(true);
        QVERIFY(RunUntil([&] { return calls >= 2; }, 2000));
        timer.SetEnabled(false);
        const int atStop = calls;
        QTest::qWait(150);
        QCOMPARE(calls, atStop);
        QVERIFY(!timer.Enabled());
    }

    void enablingAgainRestartsTheMeasurement()
    {
        QElapsedTimer clock;
        clock.start();
        TCKMultimediaTimer timer;
        timer.SetInterval(200);
        qint64 firedAt = -1;
        timer.SetOnTimer([&](TCKMultimediaTimer *t) {
            firedAt = clock.elapsed();
            t->SetEnabled(false);
        });
        QTest::qWait(150);
        timer.SetEnabled(true);
        QVERIFY(RunUntil([&] { return firedAt >= 0; }, 3000));
        QVERIFY2(firedAt >= 349, qPrintable(QString("fired at %1 ms").arg(firedAt)));
    }

    void intervalZeroFiresRepeatedly()
    {
        TCKMultimediaTimer timer;
        timer.SetInterval(0);
        int calls = 0;
        timer.SetOnTimer([&](TCKMultimediaTimer *) { ++calls; });
        QVERIFY(RunUntil([&] { return calls >= 10; }, 3000));
        timer.SetEnabled(false);
    }

    void waitingHandlerIsReenteredOncePerInterval()
    {
        TCKMultimediaTimer timer;
        timer.SetInterval(20);
        int depth = 0;
        int maxDepth = 0;
        int nested = 0;
        bool outerDone = false;
        timer.SetOnTimer([&](TCKMultimediaTimer *t) {
            ++depth;
            maxDepth = std::max(maxDepth, depth);
            if (depth == 1) {
                lumo::Delay(100); // other handlers, and this one, run meanwhile
                outerDone = true;
                t->SetEnabled(false);
            } else {
                ++nested;
            }
            --depth;
        });
        QVERIFY(RunUntil([&] { return outerDone; }, 3000));
        QCOMPARE(maxDepth, 2);
        // Counted from the start of the waiting call and then from the end of
        // each nested call: at most one re-entry per 20 ms of the 100 ms wait.
        QVERIFY2(nested >= 1 && nested <= 5, qPrintable(QString("%1 nested calls").arg(nested)));
    }

    void handlerMayDisableAndReplaceItself()
    {
        TCKMultimediaTimer timer;
        timer.SetInterval(5);
        int first = 0;
        int second = 0;
        timer.SetOnTimer([&](TCKMultimediaTimer *t) {
            ++first;
            t->SetOnTimer([&](TCKMultimediaTimer *u) {
                ++second;
                u->SetEnabled(false);
            });
        });
        QVERIFY(RunUntil([&] { return second == 1; }, 2000));
        QTest::qWait(50);
        QCOMPARE(first, 1);
        QCOMPARE(second, 1);
    }

    void handlerMayDeleteItsTimer()
    {
        auto *timer = new TCKMultimediaTimer;
        timer->SetInterval(5);
        bool called = false;
        timer->SetOnTimer([&](TCKMultimediaTimer *t) {
            called = true;
            delete t;
        });
        QVERIFY(RunUntil([&] { return called; }, 2000));
        QTest::qWait(30);
    }

    void timersDieWithTheirOwner()
    {
        int calls = 0;
        {
            QObject owner;
            auto *timer = new TCKMultimediaTimer(&owner);
            timer->SetInterval(5);
            timer->SetOnTimer([&](TCKMultimediaTimer *) { ++calls; });
            QVERIFY(RunUntil([&] { return calls > 0; }, 2000));
        }
        const int atDestruction = calls;
        QTest::qWait(40);
        QCOMPARE(calls, atDestruction);
    }
};

QTEST_MAIN(TimerSemanticsTest)
#include "TimerSemanticsTest.moc"
