#include "common/EventHelpers.h"

#include <QCoreApplication>
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
