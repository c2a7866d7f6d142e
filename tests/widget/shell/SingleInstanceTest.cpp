#include "shell/SingleInstance.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QLocalSocket>
#include <QProcess>
#include <QSysInfo>
#include <QUuid>
#include <QWidget>
#include <QtTest>

#include <memory>
#include <vector>

using lumo::SingleInstance;

class SingleInstanceTest : public QObject {
    Q_OBJECT

private:
    // Unique per test, so parallel runs and the real program never meet.
    static QString UniqueKey()
    {
        return QStringLiteral("LumoTest-") + QUuid::createUuid().toString(QUuid::WithoutBraces);
    }

private slots:
    void secondStartSeesTheFirstAndActivatesIt()
    {
        const QString key = UniqueKey();
        SingleInstance first(key);
        QVERIFY(first.IsPrimary());
        int calls = 0;
        first.SetActivationHandler([&calls] { ++calls; });
        QSignalSpy requests(&first, &SingleInstance::ActivationRequested);

        SingleInstance second(key);
        QVERIFY(!second.IsPrimary());
        QVERIFY(second.ActivateRunningInstance());
        QTRY_COMPARE(calls, 1);
        QCOMPARE(requests.count(), 1);

        // The first one asks nobody.
        QVERIFY(!first.ActivateRunningInstance());
    }

    void requestsWithoutAHandlerAreDropped()
    {
        const QString key = UniqueKey();
        SingleInstance first(key);
        QSignalSpy requests(&first, &SingleInstance::ActivationRequested);
        SingleInstance second(key);
        QVERIFY(second.ActivateRunningInstance());
        QTRY_COMPARE(requests.count(), 1);

        // A handler set afterwards does not replay the dropped request.
        int calls = 0;
        first.SetActivationHandler([&calls] { ++calls; });
        QCoreApplication::processEvents();
        QCOMPARE(calls, 0);
    }

    void aNewStartBecomesPrimaryOnceTheFirstHasEnded()
    {
        const QString key = UniqueKey();
        auto first = std::make_unique<SingleInstance>(key);
        QVERIFY(first->IsPrimary());
        QVERIFY(!SingleInstance(key).IsPrimary());
        first.reset();

        SingleInstance next(key);
        QVERIFY(next.IsPrimary());
        int calls = 0;
        next.SetActivationHandler([&calls] { ++calls; });
        SingleInstance later(key);
        QVERIFY(!later.IsPrimary());
        QVERIFY(later.ActivateRunningInstance());
        QTRY_COMPARE(calls, 1);
    }

    void aLongRunningInstanceKeepsItsLock()
    {
        const QString key = UniqueKey();
        SingleInstance first(key);
        QVERIFY(first.IsPrimary());
        // Lock files are never touched again while the program runs; one
        // written hours ago must not count as abandoned.
        QFile lock(first.LockFilePath());
        QVERIFY(lock.open(QIODevice::ReadWrite));
        QVERIFY(lock.setFileTime(QDateTime::currentDateTime().addSecs(-6 * 3600),
                                 QFileDevice::FileModificationTime));
        lock.close();
        SingleInstance second(key);
        QVERIFY(!second.IsPrimary());
    }

    void staleLockOfACrashedInstanceDoesNotBlock()
    {
        const QString key = UniqueKey();
        QString lockPath;
        QString serverPath;
        {
            SingleInstance probe(key);
            lockPath = probe.LockFilePath();
            serverPath = probe.ServerPath();
        }
        QVERIFY(!QFile::exists(lockPath));
        // The id of a process that has surely ended: a child we waited for.
        QProcess child;
        child.start(QStringLiteral("/bin/true"));
        QVERIFY(child.waitForStarted());
        const qint64 deadPid = child.processId();
        QVERIFY(child.waitForFinished());
        QVERIFY(deadPid > 0);

        // What a crashed instance leaves behind: its lock and its socket file.
        QFile lock(lockPath);
        QVERIFY(lock.open(QIODevice::WriteOnly));
        lock.write(QByteArray::number(deadPid) + "\n" + QCoreApplication::applicationName().toUtf8() + "\n" +
                   QSysInfo::machineHostName().toUtf8() + "\n");
        lock.close();
        QFile socketFile(serverPath);
        QVERIFY(socketFile.open(QIODevice::WriteOnly));
        socketFile.close();

        SingleInstance afterCrash(key);
        QVERIFY(afterCrash.IsPrimary());
        int calls = 0;
        afterCrash.SetActivationHandler([&calls] { ++calls; });
        SingleInstance later(key);
        QVERIFY(!later.IsPrimary());
        QVERIFY(later.ActivateRunningInstance());
        QTRY_COMPARE(calls, 1);
    }

    void withoutARunningServerTheSecondStartGivesUp()
    {
        const QString key = UniqueKey();
        SingleInstance first(key);
        QVERIFY(first.IsPrimary());
        // The first instance is still starting and not yet listening.
        QVERIFY(QFile::remove(first.ServerPath()) || !QFile::exists(first.ServerPath()));
        SingleInstance second(key);
        QVERIFY(!second.IsPrimary());
        QVERIFY(!second.ActivateRunningInstance(200));
    }

    void junkOnTheSocketIsIgnored()
    {
        const QString key = UniqueKey();
        SingleInstance first(key);
        int calls = 0;
        first.SetActivationHandler([&calls] { ++calls; });
        QLocalSocket peer;
        peer.connectToServer(first.ServerPath());
        QVERIFY(peer.waitForConnected(1000));
        peer.write("hello\n" + QByteArray(200, 'x') + "activate\n");
        QVERIFY(peer.waitForBytesWritten(1000));
        QTRY_COMPARE(peer.state(), QLocalSocket::UnconnectedState);
        QCOMPARE(calls, 0);

        SingleInstance second(key);
        QVERIFY(second.ActivateRunningInstance());
        QTRY_COMPARE(calls, 1);
    }

    // Idle peers cannot pile up: only a few are heard at a time, the oldest
    // giving way to the newest, and each silent one goes after a second; a
    // real start among them is still answered.
    void idlePeersAreCappedAndDroppedAfterASecond()
    {
        const QString key = UniqueKey();
        SingleInstance first(key);
        int calls = 0;
        first.SetActivationHandler([&calls] { ++calls; });
        std::vector<std::unique_ptr<QLocalSocket>> idle;
        for (int i = 0; i < 30; ++i) {
            idle.push_back(std::make_unique<QLocalSocket>());
            idle.back()->connectToServer(first.ServerPath());
            QVERIFY(idle.back()->waitForConnected(1000));
        }
        const auto stillConnected = [&idle] {
            int n = 0;
            for (const auto &peer : idle)
                n += peer->state() == QLocalSocket::ConnectedState ? 1 : 0;
            return n;
        };
        // The server accepts them all once events run, after the clock has
        // started, so no idle timer can fire before 1000 ms on it (950 with
        // a coarse timer's slack): reaching 8 earlier is the cap's doing.
        QElapsedTimer clock;
        clock.start();
        QTRY_COMPARE(stillConnected(), 8);
        QVERIFY2(clock.elapsed() < 950, qPrintable(QString::number(clock.elapsed())));
        // The 8 newest are the ones left.
        for (int i = 22; i < 30; ++i)
            QCOMPARE(idle[size_t(i)]->state(), QLocalSocket::ConnectedState);

        SingleInstance second(key);
        QVERIFY(second.ActivateRunningInstance());
        QTRY_COMPARE(calls, 1);

        QTRY_COMPARE_WITH_TIMEOUT(stillConnected(), 0, 3000);
    }

    void bringToForegroundRestoresAndActivates()
    {
        QVERIFY(!lumo::BringToForeground(nullptr));

        QWidget window;
        window.resize(200, 100);
        window.showMinimized();
        QTRY_VERIFY(window.isMinimized());
        lumo::BringToForeground(&window);
        QTRY_VERIFY(!window.isMinimized());
        QVERIFY(window.isVisible());
        QTRY_VERIFY(window.isActiveWindow());
        QVERIFY(lumo::BringToForeground(&window));
    }
};

int RunSingleInstanceTests(int argc, char **argv)
{
    SingleInstanceTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "SingleInstanceTest.moc"
