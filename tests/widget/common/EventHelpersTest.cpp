#include "common/EventHelpers.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QKeyEvent>
#include <QTimer>
#include <QWidget>
#include <QtTest>

namespace {

const auto ProbeEventType = static_cast<QEvent::Type>(QEvent::User + 17);

class Probe : public QWidget {
public:
    int keyPresses = 0;
    int keyReleases = 0;
    int probes = 0;

protected:
    void keyPressEvent(QKeyEvent *) override { ++keyPresses; }
    void keyReleaseEvent(QKeyEvent *) override { ++keyReleases; }
    bool event(QEvent *e) override
    {
        if (e->type() == ProbeEventType) {
            ++probes;
            return true;
        }
        return QWidget::event(e);
    }
};

} // namespace

class EventHelpersTest : public QObject {
    Q_OBJECT
private slots:
    void delayZeroProcessesNothing()
    {
        Probe probe;
        int timerFired = 0;
        QTimer::singleShot(0, &probe, [&] { ++timerFired; });
        QCoreApplication::postEvent(&probe, new QEvent(ProbeEventType));
        lumo::Delay(0);
        QCOMPARE(probe.probes, 0);
        QCOMPARE(timerFired, 0);
        // Both are still queued: a real wait delivers them.
        lumo::Delay(30);
        QCOMPARE(probe.probes, 1);
        QCOMPARE(timerFired, 1);
    }

    void delayDeliversTimersThatFallDue()
    {
        Probe probe;
        int timerFired = 0;
        QTimer::singleShot(5, &probe, [&] { ++timerFired; });
        lumo::Delay(200);
        QCOMPARE(timerFired, 1);
    }

    // The pacing of the tip lift and the deal rests on this: a short wait
    // lasts until the 64 Hz clock next ticks, so a row of them takes about
    // one tick each, however short each asks to be.
    void shortWaitsLastUntilTheClockTicks()
    {
        for (const std::uint32_t ms : {1u, 2u, 8u}) {
            QElapsedTimer row;
            row.start();
            for (int i = 0; i < 10; ++i) {
                const std::int64_t before = lumo::DelayClockTicks();
                lumo::Delay(ms);
                QVERIFY2(lumo::DelayClockTicks() > before, qPrintable(QString("Delay(%1) ended within one tick").arg(ms)));
            }
            // Ten in a row span at least nine whole ticks (140 ms).
            QVERIFY2(row.nsecsElapsed() >= 9 * lumo::kDelayClockTickNs,
                     qPrintable(QString("ten Delay(%1) took %2 ms").arg(ms).arg(row.elapsed())));
        }
    }

    // Waits of several ticks keep their length: never shorter than asked.
    void longWaitsLastTheirTime_data()
    {
        QTest::addColumn<int>("ms");
        QTest::newRow("30 ms") << 30;
        QTest::newRow("100 ms") << 100;
        QTest::newRow("250 ms") << 250;
    }

    void longWaitsLastTheirTime()
    {
        QFETCH(int, ms);
        QElapsedTimer clock;
        clock.start();
        lumo::Delay(static_cast<std::uint32_t>(ms));
        QVERIFY2(clock.nsecsElapsed() >= qint64(ms) * 1000000, qPrintable(QString::number(clock.elapsed())));
    }

    void discardDropsQueuedKeysAndCountsThem()
    {
        Probe probe;
        probe.show();
        for (const int key : {Qt::Key_A, Qt::Key_B, Qt::Key_Return}) {
            QCoreApplication::postEvent(&probe, new QKeyEvent(QEvent::KeyPress, key, Qt::NoModifier));
            QCoreApplication::postEvent(&probe, new QKeyEvent(QEvent::KeyRelease, key, Qt::NoModifier));
        }
        QCoreApplication::postEvent(&probe, new QEvent(ProbeEventType));

        QCOMPARE(lumo::DiscardKeyboardMessages(), 6);
        QCoreApplication::processEvents();
        QCOMPARE(probe.keyPresses, 0);
        QCOMPARE(probe.keyReleases, 0);
        // Other queued events are not thrown away.
        QCOMPARE(probe.probes, 1);
        // Nothing left: a second purge finds nothing.
        QCOMPARE(lumo::DiscardKeyboardMessages(), 0);
    }

    void keysAfterThePurgeArriveNormally()
    {
        Probe probe;
        probe.show();
        QCoreApplication::postEvent(&probe, new QKeyEvent(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier));
        QCOMPARE(lumo::DiscardKeyboardMessages(), 1);
        QCoreApplication::postEvent(&probe, new QKeyEvent(QEvent::KeyPress, Qt::Key_B, Qt::NoModifier));
        QCoreApplication::processEvents();
        QCOMPARE(probe.keyPresses, 1);
    }
};

QTEST_MAIN(EventHelpersTest)
#include "EventHelpersTest.moc"
