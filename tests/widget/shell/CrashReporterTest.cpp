// The crash report on a real application object: exceptions that escape an
// event handler reach the reporter through the application's notify().
#include "common/FileHelpers.h"
#include "common/SilentAbort.h"
#include "shell/CrashHost.h"
#include "shell/CrashReporter.h"
#include "shell/LumoApplication.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

using namespace lumo;

namespace {

struct FakeHost : CrashHost {
    std::vector<std::string> calls;
    QString shown;
    void StopTick() override { calls.push_back("StopTick"); }
    void ShowReport(const QString &text) override
    {
        calls.push_back("ShowReport");
        shown = text;
    }
    void ShowPlainError(const QString &text) override
    {
        calls.push_back("ShowPlainError");
        shown = text;
    }
    void CloseWithoutSaving() override { calls.push_back("CloseWithoutSaving"); }
};

// An event handler that fails as told.
class Failing : public QObject {
public:
    enum class How { None, Runtime, ListIndex, Silent, Foreign };
    How how = How::None;
    bool event(QEvent *e) override
    {
        if (e->type() != QEvent::User)
            return QObject::event(e);
        FailNow();
        return true;
    }
    __attribute__((noinline)) void FailNow()
    {
        switch (how) {
        case How::Runtime:
            throw std::runtime_error("Handler kaputt");
        case How::ListIndex:
            throw std::out_of_range("Listenindex überschreitet das Maximum (3)");
        case How::Silent:
            throw SilentAbort();
        case How::Foreign:
            throw 7;
        case How::None:
            break;
        }
    }
};

__attribute__((noinline)) void CaughtEarlier()
{
    try {
        throw std::invalid_argument("vorher gefangen");
    } catch (const std::invalid_argument &) {
    }
}

void Send(QObject &target)
{
    QEvent event(QEvent::User);
    QCoreApplication::sendEvent(&target, &event);
}

std::vector<std::string> Lines(const std::string &text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    lines.push_back(text.substr(start));
    return lines;
}

} // namespace

class CrashReporterTest : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        FDir = std::make_unique<QTemporaryDir>();
        QVERIFY(FDir->isValid());
        FReport = FDir->filePath(QStringLiteral("Lumo.ERR")).toStdString();
        FFallback = FDir->filePath(QStringLiteral("data/Lumo.ERR")).toStdString();
    }

    void escapingExceptionIsReportedWithTheEarlierOneBeforeIt()
    {
        FakeHost host;
        Failing target;
        target.how = Failing::How::Runtime;
        {
            CrashReporter reporter(host, FReport, FFallback);
            CaughtEarlier();
            QCoreApplication::postEvent(&target, new QEvent(QEvent::User));
            QCoreApplication::sendPostedEvents(&target, QEvent::User);
            QVERIFY(reporter.Reported());
        }
        QVERIFY(LumoApplication::CrashReported());
        const std::vector<std::string> calls = {"StopTick", "ShowReport", "CloseWithoutSaving"};
        QCOMPARE(host.calls, calls);

        const std::string file = ReadTextFile(FReport);
        QVERIFY(file.size() > 2);
        QCOMPARE(file.substr(file.size() - 2), std::string("\r\n"));
        QCOMPARE(host.shown.toStdString(), file.substr(0, file.size() - 2));

        const std::vector<std::string> lines = Lines(file);
        QCOMPARE(lines[0], std::string("Es ist ein unerwarteter Fehler aufgetreten."));
        QCOMPARE(lines[1], std::string("Fehlermeldung: \"Handler kaputt\""));
        QCOMPARE(lines[2], std::string("Exception std::invalid_argument: vorher gefangen"));
        QVERIFY2(lines[3].rfind("  Exception occured at $", 0) == 0, lines[3].c_str());
        QVERIFY2(lines[3].find("Procedure \"(anonymous namespace)::CaughtEarlier()\"") != std::string::npos, lines[3].c_str());
        QCOMPARE(lines[4], std::string("  Except frame-dump:"));
        std::size_t fatal = 0;
        for (std::size_t i = 0; i < lines.size(); ++i) {
            if (lines[i] == "Exception std::runtime_error: Handler kaputt")
                fatal = i;
        }
        QVERIFY2(fatal > 5, "the fatal block follows the earlier one");
        QCOMPARE(lines[fatal - 1], std::string());
        QVERIFY2(lines[fatal + 1].find("Procedure \"(anonymous namespace)::Failing::FailNow()\"") != std::string::npos, lines[fatal + 1].c_str());
        QVERIFY2(lines[fatal + 1].find("Unit \"tests/widget/shell/CrashReporterTest.cpp\", Line ")
                     != std::string::npos,
                 lines[fatal + 1].c_str());
        // The frames go out from the handler and end at the application's dispatch.
        std::string frames;
        std::size_t i = fatal + 3;
        for (; i + 2 < lines.size() && lines[i].rfind("    Frame at $", 0) == 0; i += 3) {
            QCOMPARE(lines[i].substr(30), std::string(" (type: efkUnknown)"));
            QVERIFY(lines[i + 1].rfind("      Code at $", 0) == 0);
            QVERIFY(lines[i + 2].rfind("      Module \"", 0) == 0);
            frames += lines[i + 2] + "\n";
        }
        QVERIFY2(frames.find("Procedure \"(anonymous namespace)::Failing::event(QEvent*)\"") != std::string::npos, frames.c_str());
        QVERIFY2(frames.find("Module \"libQt6Widgets.so.6") != std::string::npos, frames.c_str());
        const std::size_t last = frames.rfind("      Module");
        QVERIFY2(frames.find("lumo::LumoApplication::notify(QObject*, QEvent*)", last) != std::string::npos,
                 frames.c_str());
        const std::vector<std::string> tail(lines.begin() + static_cast<long>(i), lines.end());
        const std::vector<std::string> expectedTail
            = {"", "", "Bitte informieren Sie den Autor!", "Das Programm wird beendet.", ""};
        QCOMPARE(tail, expectedTail);
    }

    void listIndexMessagesStopTheTickAndNothingElse()
    {
        FakeHost host;
        Failing target;
        target.how = Failing::How::ListIndex;
        CrashReporter reporter(host, FReport, FFallback);
        Send(target);
        const std::vector<std::string> calls = {"StopTick"};
        QCOMPARE(host.calls, calls);
        QVERIFY(!reporter.Reported());
        QVERIFY(!QFile::exists(QString::fromStdString(FReport)));
        QVERIFY2(reporter.Log().Lines().front().find("Listenindex") != std::string::npos,
                 "it is still in the log");
    }

    void silentAbortIsDroppedWithoutAnything()
    {
        FakeHost host;
        Failing target;
        target.how = Failing::How::Silent;
        CrashReporter reporter(host, FReport, FFallback);
        Send(target);
        QVERIFY(host.calls.empty());
        QVERIFY(!QFile::exists(QString::fromStdString(FReport)));
    }

    void otherThrownObjectsGetThePlainErrorAndTheSameEnd()
    {
        FakeHost host;
        Failing target;
        target.how = Failing::How::Foreign;
        CrashReporter reporter(host, FReport, FFallback);
        Send(target);
        const std::vector<std::string> calls = {"StopTick", "ShowPlainError", "CloseWithoutSaving"};
        QCOMPARE(host.calls, calls);
        QCOMPARE(host.shown, QStringLiteral("Ausnahme vom Typ int."));
        QVERIFY(reporter.Reported());
    }

    void unwritableProgramFolderFallsBackToTheDataFolder()
    {
        FakeHost host;
        Failing target;
        target.how = Failing::How::Runtime;
        // A path below a regular file cannot be written, not even as root.
        QVERIFY(WriteTextFile(FReport, "kein Ordner"));
        CrashReporter reporter(host, FReport + "/Lumo.ERR", FFallback);
        Send(target);
        QCOMPARE(ReadTextFile(FFallback).substr(0, 43), std::string("Es ist ein unerwarteter Fehler aufgetreten."));
        QVERIFY(!host.shown.isEmpty());
    }

    void reportThatCannotBeWrittenAnywhereIsStillShownAndEndsTheProgram()
    {
        FakeHost host;
        Failing target;
        target.how = Failing::How::Runtime;
        QVERIFY(WriteTextFile(FReport, "kein Ordner"));
        CrashReporter reporter(host, FReport + "/Lumo.ERR", FReport + "/data/Lumo.ERR");
        Send(target);
        const std::vector<std::string> calls = {"StopTick", "ShowReport", "CloseWithoutSaving"};
        QCOMPARE(host.calls, calls);
        QVERIFY(host.shown.startsWith(QStringLiteral("Es ist ein unerwarteter Fehler aufgetreten.\r\n")));
        QVERIFY(reporter.Reported());
        QCOMPARE(ReadTextFile(FReport), std::string("kein Ordner\r\n"));
    }

    void nothingIsLoggedOutsideTheReportersLife()
    {
        FakeHost host;
        CaughtEarlier();
        CrashLog after;
        {
            CrashReporter reporter(host, FReport, FFallback);
            QVERIFY(reporter.Log().Lines().empty());
            CaughtEarlier();
            QCOMPARE(reporter.Log().Lines().front(), std::string("Exception std::invalid_argument: vorher gefangen"));
        }
        CaughtEarlier();
        // Without a reporter an escaping exception goes on as before.
        Failing target;
        target.how = Failing::How::Runtime;
        QVERIFY_THROWS_EXCEPTION(std::runtime_error, Send(target));
        QVERIFY(host.calls.empty());
    }

private:
    std::unique_ptr<QTemporaryDir> FDir;
    std::string FReport;
    std::string FFallback;
};

int main(int argc, char **argv)
{
    LumoApplication app(argc, argv);
    CrashReporterTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "CrashReporterTest.moc"
