// The whole update against a real HTTP server process on 127.0.0.1: the
// check, the setup download with progress and cancel, and the answer.
// Dialogs are recorded by a fake host; everything else is the real thing.

#include "FakeOnlineHost.h"
#include "TestUpdateServer.h"

#include "online/InternetUpdate.h"
#include "online/TForm_InternetUpdate.h"
#include "lookfeel/GradientPanel.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QProgressBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <functional>
#include <memory>

using namespace lumo;

namespace {

const QString kNotNewer = QStringLiteral("Es steht keine aktuellere Version als diese (26.4.6.0) zur Verfügung.");
const QString kNoInformation
    = QStringLiteral("Es steht keine Information über eine aktuellere\r\nVersion als diese (26.4.6.0) zur Verfügung.");

QByteArray Info(const QByteArray &lines)
{
    return "[VEMU]\r\n" + lines;
}

// A setup of the given size, sent in small pieces with pauses, so that keys
// can arrive between two progress reports.
QByteArray SlowBehaviour()
{
    return R"({"chunk": 4096, "pause": 0.25})";
}

} // namespace

class UpdateFlowTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TestUpdateServer> FServer;
    std::unique_ptr<QTemporaryDir> FTemp;
    QString FCase;
    int FCaseNumber = 0;

    UpdateSource Source() const
    {
        UpdateSource source;
        source.serverBase = FServer->Base() + FCase + QLatin1Char('/');
        source.UpdateCategory = QStringLiteral("Spiele");
        source.baseName = QStringLiteral("Lumo");
        source.fileName = QStringLiteral("Lumo");
        source.ownVersion = QStringLiteral("26.4.6.0");
        source.tempFolder = FTemp->path() + QLatin1Char('/');
        return source;
    }

    void PutInfo(const QByteArray &content, const QByteArray &behave = {})
    {
        FServer->Put(FCase + QStringLiteral("/downloads/Spiele/lumo.ini"), content, behave);
    }
    void PutSetup(const QByteArray &content, const QByteArray &behave = {})
    {
        FServer->Put(FCase + QStringLiteral("/downloads/Spiele/Lumo"), content, behave);
    }
    bool SetupRequested() const
    {
        return FServer->Requests().contains(QLatin1Char('/') + FCase + QStringLiteral("/downloads/Spiele/Lumo"));
    }
    QStringList TempFiles() const
    {
        return QDir(FTemp->path()).entryList(QDir::Files | QDir::Hidden | QDir::System);
    }

    // Runs the whole update; onForm sees the update window once it exists.
    void Run(InternetUpdate &update, std::function<void(TForm_InternetUpdate *)> onForm = {})
    {
        QTimer watch;
        watch.setInterval(1);
        bool seen = false;
        connect(&watch, &QTimer::timeout, this, [&] {
            if (!seen && update.Form()) {
                seen = true;
                if (onForm)
                    onForm(update.Form());
            }
        });
        watch.start();
        update.bt_downloadClick();
        QVERIFY(seen || !onForm);
        QVERIFY(!update.Running());
    }

private slots:
    void initTestCase()
    {
        FServer = std::make_unique<TestUpdateServer>();
        QVERIFY2(FServer->Error().isEmpty(), qPrintable(FServer->Error()));
    }

    void init()
    {
        FTemp = std::make_unique<QTemporaryDir>();
        QVERIFY(FTemp->isValid());
        FCase = QStringLiteral("case%1").arg(++FCaseNumber);
    }

    // Whatever happened, no information file is left behind.
    void cleanup()
    {
        const QStringList left = QDir(FTemp->path()).entryList({QStringLiteral("*.ini")}, QDir::Files | QDir::Hidden);
        QVERIFY2(left.isEmpty(), qPrintable(left.join(QLatin1Char(' '))));
    }

    void noConnectionAsksNoServer()
    {
        FakeOnlineHost host;
        PutInfo(Info("Version=26470\r\n"));
        InternetUpdate update(host, Source(), [] { return false; });
        Run(update);
        QCOMPARE(host.infos, QStringList{QStringLiteral("Es besteht keine Verbindung zum Internet.")});
        QCOMPARE(host.menuClosed, 1);
        QVERIFY(FServer->Requests().filter(FCase).isEmpty());
    }

    void connectionLostBetweenTheTwoChecks()
    {
        FakeOnlineHost host;
        PutInfo(Info("Version=26470\r\n"));
        int asked = 0;
        InternetUpdate update(host, Source(), [&asked] { return ++asked == 1; });
        Run(update);
        QCOMPARE(host.infos,
                 QStringList{QStringLiteral("Es kann zur Zeit keine Verbindung\r\nzum Internet hergestellt werden.\r\n"
                                            "Prüfen sie die Ursachen\r\nund versuchen Sie es erneut!")});
    }

    void emptyCategory()
    {
        FakeOnlineHost host;
        UpdateSource source = Source();
        source.UpdateCategory = QStringLiteral(" \t");
        InternetUpdate update(host, source, [] { return true; });
        Run(update);
        QCOMPARE(host.infos, QStringList{QStringLiteral("Für dieses Programm ist keine Kategorie qualifiziert.\r\n"
                                                        "Bitte wenden Sie sich an den Autor!")});
    }

    void informationFileMissing()
    {
        FakeOnlineHost host;
        InternetUpdate update(host, Source(), [] { return true; });
        Run(update);
        QCOMPARE(host.infos, QStringList{kNoInformation});
        QCOMPARE(FServer->Requests().filter(FCase),
                 QStringList{QLatin1Char('/') + FCase + QStringLiteral("/downloads/Spiele/lumo.ini")});
        QVERIFY(TempFiles().isEmpty());
    }

    void offeredVersion_data()
    {
        QTest::addColumn<QByteArray>("info");
        QTest::addColumn<bool>("newer");
        QTest::newRow("equal") << Info("Version=26460\r\nNewVersion=26.4.6.0\r\n") << false;
        QTest::newRow("one above") << Info("Version=26461\r\nNewVersion=26.4.6.1\r\n") << true;
        QTest::newRow("998 above") << Info("Version=27458\r\nNewVersion=27.4.5.8\r\n") << true;
        QTest::newRow("999 above") << Info("Version=27459\r\nNewVersion=27.4.5.9\r\n") << false;
        QTest::newRow("missing") << Info("NewVersion=27.0.0.0\r\n") << false;
        QTest::newRow("garbage") << Info("Version=26.4.7.0\r\nNewVersion=26.4.7.0\r\n") << false;
        QTest::newRow("any case") << QByteArray("[vemu]\nVERSION = 26470\nnewversion=26.4.7.0\n") << true;
    }

    void offeredVersion()
    {
        QFETCH(QByteArray, info);
        QFETCH(bool, newer);
        FakeOnlineHost host;
        PutInfo(info);
        PutSetup("setup");
        InternetUpdate update(host, Source(), [] { return true; });
        Run(update);
        if (newer) {
            QVERIFY(host.infos.isEmpty());
            QCOMPARE(host.questions.size(), 1);
            QVERIFY2(host.questions[0].startsWith(QStringLiteral("Download Vers. 2")), qPrintable(host.questions[0]));
            QVERIFY(host.questions[0].endsWith(QStringLiteral(" erfolgreich ausgeführt.\r\nInstallation starten?")));
            QVERIFY(SetupRequested());
        } else {
            QCOMPARE(host.infos, QStringList{kNotNewer});
            QVERIFY(host.questions.isEmpty());
            QVERIFY(!SetupRequested());
        }
        // "No" removes the setup; nothing stays in the temporary folder.
        QCOMPARE(host.closedWithoutSaving, 0);
        QVERIFY2(TempFiles().isEmpty(), qPrintable(TempFiles().join(QLatin1Char(' '))));
    }

    void missingNewVersionShowsTheDotlessOwnVersion()
    {
        FakeOnlineHost host;
        PutInfo(Info("Version=26470\r\n"));
        PutSetup("setup");
        InternetUpdate update(host, Source(), [] { return true; });
        Run(update);
        QCOMPARE(host.questions,
                 QStringList{QStringLiteral("Download Vers. 26460 erfolgreich ausgeführt.\r\nInstallation starten?")});
    }

    void escapeCancelsASlowSetupDownload()
    {
        FakeOnlineHost host;
        PutInfo(Info("Version=26470\r\nNewVersion=26.4.7.0\r\n"));
        PutSetup(QByteArray(40 * 1024, 's'), SlowBehaviour());
        InternetUpdate update(host, Source(), [] { return true; });
        QList<int> after;
        bool pressed = false;
        Run(update, [&](TForm_InternetUpdate *form) {
            connect(form, &TForm_InternetUpdate::Reported, form, [&, form](int code) {
                if (pressed) {
                    after << code;
                    return;
                }
                if (code == 5) {
                    pressed = true;
                    QTest::keyClick(form, Qt::Key_Escape);
                }
            });
        });
        QVERIFY(pressed);
        // The cancel acted at the very next report.
        QCOMPARE(after, QList<int>{5});
        QCOMPARE(host.infos, QStringList{QStringLiteral("Abbruch durch Benutzer")});
        QVERIFY(host.questions.isEmpty());
        QVERIFY2(TempFiles().isEmpty(), qPrintable(TempFiles().join(QLatin1Char(' '))));
    }

    void anotherKeyWithdrawsTheCancel()
    {
        FakeOnlineHost host;
        PutInfo(Info("Version=26470\r\nNewVersion=26.4.7.0\r\n"));
        PutSetup(QByteArray(40 * 1024, 's'), SlowBehaviour());
        InternetUpdate update(host, Source(), [] { return true; });
        bool pressed = false;
        QList<int> positions;
        QRect barGeometry;
        QWidget *barParent = nullptr;
        QWidget *panel = nullptr;
        Run(update, [&](TForm_InternetUpdate *form) {
            panel = form->PanUpdate;
            connect(form, &TForm_InternetUpdate::Reported, form, [&, form](int code) {
                if (code != 5)
                    return;
                QProgressBar *bar = form->ProgressBar();
                QVERIFY(bar);
                positions << bar->value();
                barGeometry = bar->geometry();
                barParent = bar->parentWidget();
                if (!pressed) {
                    pressed = true;
                    QTest::keyClick(form, Qt::Key_Escape);
                    QTest::keyClick(form, Qt::Key_A);
                }
            });
        });
        QVERIFY(pressed);
        QVERIFY(host.infos.isEmpty());
        QCOMPARE(host.questions,
                 QStringList{QStringLiteral("Download Vers. 26.4.7.0 erfolgreich ausgeführt.\r\nInstallation starten?")});
        // The bar moved forward to the end in place.
        QCOMPARE(barGeometry, QRect(5, 68, 280, 20));
        QCOMPARE(barParent, panel);
        QVERIFY(positions.size() >= 5);
        QVERIFY(std::is_sorted(positions.begin(), positions.end()));
        QCOMPARE(positions.last(), 100);
        QVERIFY(positions.first() < 50);
    }

    // Escape while the information file comes: the setup download stops at
    // its first report, which sets no status text.
    void escapeBeforeTheSetupStopsItWithoutText()
    {
        FakeOnlineHost host;
        PutInfo(Info("Version=26470\r\nNewVersion=26.4.7.0\r\n"), R"({"chunk": 10, "pause": 0.3})");
        PutSetup("setup");
        InternetUpdate update(host, Source(), [] { return true; });
        Run(update, [](TForm_InternetUpdate *form) {
            QTimer::singleShot(150, form, [form] { QTest::keyClick(form, Qt::Key_Escape); });
        });
        QCOMPARE(host.infos, QStringList{QString()});
        QVERIFY(host.questions.isEmpty());
        QVERIFY(TempFiles().isEmpty());
    }

    void cutConnectionOffersNothing()
    {
        FakeOnlineHost host;
        PutInfo(Info("Version=26470\r\nNewVersion=26.4.7.0\r\n"));
        PutSetup(QByteArray(40 * 1024, 's'), R"({"chunk": 4096, "pause": 0.05, "cut_after": 20000})");
        InternetUpdate update(host, Source(), [] { return true; });
        Run(update);
        QVERIFY(host.questions.isEmpty());
        QCOMPARE(host.infos, QStringList{QStringLiteral("Download Vers. 26.4.7.0 fehlgeschlagen.\r\n"
                                                        "Bitte versuchen Sie es später erneut!")});
        QVERIFY2(TempFiles().isEmpty(), qPrintable(TempFiles().join(QLatin1Char(' '))));
    }

    void setupWhoseEndCannotBeToldIsRefused()
    {
        FakeOnlineHost host;
        PutInfo(Info("Version=26470\r\n"));
        PutSetup(QByteArray(10000, 's'), R"({"length": "none"})");
        InternetUpdate update(host, Source(), [] { return true; });
        Run(update);
        QVERIFY(host.questions.isEmpty());
        QCOMPARE(host.infos.size(), 1);
        QVERIFY(TempFiles().isEmpty());
    }

    void oversizedInformationFileIsRefused()
    {
        FakeOnlineHost host;
        QByteArray big = Info("Version=26470\r\n");
        big += QByteArray(TForm_InternetUpdate::InformationSizeLimit, ';');
        PutInfo(big, R"({"length": "none"})");
        PutSetup("setup");
        InternetUpdate update(host, Source(), [] { return true; });
        Run(update);
        QCOMPARE(host.infos, QStringList{kNoInformation});
        QVERIFY(!SetupRequested());
    }

    void oversizedSetupIsRefusedByItsHeader()
    {
        FakeOnlineHost host;
        PutInfo(Info("Version=26470\r\n"));
        PutSetup(QByteArray(1000, 's'),
                 QByteArray(R"({"length": )") + QByteArray::number(TForm_InternetUpdate::SetupSizeLimit + 1) + "}");
        InternetUpdate update(host, Source(), [] { return true; });
        Run(update);
        QVERIFY(host.questions.isEmpty());
        QCOMPARE(host.infos.size(), 1);
        QVERIFY(TempFiles().isEmpty());
    }

    void yesStartsTheSetupAndEndsWithoutSaving()
    {
        FakeOnlineHost host;
        host.answer = true;
        const QString marker = FTemp->filePath(QStringLiteral("setup-ran"));
        PutInfo(Info("Version=26470\r\n"));
        PutSetup("#!/bin/sh\necho \"ran in $(pwd)\" > '" + marker.toUtf8() + "'\nsleep 1\n");
        InternetUpdate update(host, Source(), [] { return true; });
        Run(update);
        QCOMPARE(host.questions.size(), 1);
        QCOMPARE(host.closedWithoutSaving, 1);
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(marker), 20000);
        // Once the setup has ended its file goes; only the marker stays.
        QTRY_COMPARE_WITH_TIMEOUT(TempFiles(), QStringList{QStringLiteral("setup-ran")}, 20000);
        QFile ran(marker);
        QVERIFY(ran.open(QIODevice::ReadOnly));
        QCOMPARE(ran.readAll().trimmed(), ("ran in " + FTemp->path()).toUtf8());
    }

    void aSetupThatCannotStartStaysAndTheProgramGoesOn()
    {
        FakeOnlineHost host;
        host.answer = true;
        PutInfo(Info("Version=26470\r\n"));
        PutSetup(QByteArray("\x7f" "ELF but not really", 20));
        InternetUpdate update(host, Source(), [] { return true; });
        Run(update);
        QCOMPARE(host.questions.size(), 1);
        QCOMPARE(host.closedWithoutSaving, 0);
        const QStringList left = TempFiles();
        QCOMPARE(left.size(), 1);
        QVERIFY(left[0].startsWith(QStringLiteral("$$$TEMP")) && left[0].endsWith(QStringLiteral("Lumo")));
    }
};

QTEST_MAIN(UpdateFlowTest)
#include "UpdateFlowTest.moc"
