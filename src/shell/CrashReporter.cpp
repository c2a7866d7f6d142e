#include "shell/CrashReporter.h"

#include "common/FileHelpers.h"
#include "common/SilentAbort.h"
#include "persistence/HighScoreStore.h"
#include "shell/CallStack.h"
#include "shell/CodeLocator.h"
#include "shell/CrashHost.h"
#include "shell/CrashReportText.h"
#include "shell/FatalSignalReport.h"
#include "shell/LumoApplication.h"
#include "shell/ThrowDescription.h"
#include "shell/ThrowHook.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <cxxabi.h>

namespace lumo {

CrashReporter::CrashReporter(CrashHost &host, std::string reportPath, std::string fallbackPath)
    : FHost(host), FReportPath(std::move(reportPath)), FFallbackPath(std::move(fallbackPath)),
      FLocator(std::make_unique<CodeLocator>()), FThread(std::this_thread::get_id())
{
    SetThrowObserver(&CrashReporter::OnThrow, this);
    LumoApplication::SetUnhandledExceptionHandler(
        [this](QObject *sender, std::exception_ptr error) { ReportCrash(sender, std::move(error)); });
#if !defined(__SANITIZE_ADDRESS__)
    // A sanitizer build keeps its own report of a fault, which says more.
    FatalSignalReport::Install(FReportPath, FFallbackPath);
#endif
}

CrashReporter::~CrashReporter()
{
    FatalSignalReport::Uninstall();
    LumoApplication::SetUnhandledExceptionHandler({});
    SetThrowObserver(nullptr, nullptr);
}

std::string CrashReporter::DefaultReportPath()
{
    return CrashReportFileName(HighScoreStore::DefaultFolder().toStdString(), ProgramBaseName());
}

std::string CrashReporter::FallbackReportPath()
{
    return CrashReportFileName(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation).toStdString(),
                               ProgramBaseName());
}

void CrashReporter::OnThrow(void *context, void *object, const std::type_info *type, void *throwAddress)
{
    static_cast<CrashReporter *>(context)->LogException(object, *type, reinterpret_cast<std::uintptr_t>(throwAddress));
}

void CrashReporter::LogException(void *object, const std::type_info &type, std::uintptr_t throwAddress)
{
    // The crash log belongs to the window thread; the program throws nowhere else.
    if (std::this_thread::get_id() != FThread)
        return;
    const std::vector<StackFrame> stack = CaptureCallStack();
    const RaisedException raised
        = DescribeThrow(*FLocator, object, type, throwAddress, stack, LumoApplication::DispatchFrame());
    const std::vector<std::string> lines = ExceptionBlockLines(raised);
    FLog.Append(lines);
    std::string text;
    for (const std::string &line : lines)
        text += line + "\r\n";
    FatalSignalReport::AppendLog(text);
    FatalSignalReport::RefreshModules();
}

void CrashReporter::WriteReport(const std::string &text) const
{
    // A failure to write is ignored: the dialog still shows and the program still ends.
    for (const std::string &path : {FReportPath, FFallbackPath}) {
        if (path.empty())
            continue;
        QDir().mkpath(QFileInfo(QString::fromStdString(path)).absolutePath());
        if (WriteTextFile(path, text))
            return;
    }
}

void CrashReporter::ReportCrash(QObject *, std::exception_ptr error)
{
    // Shown once: exceptions while the report is open only go to the log.
    if (FReporting)
        return;
    std::string message;
    bool isStandard = false;
    std::string foreignType;
    try {
        std::rethrow_exception(error);
    } catch (const SilentAbort &) {
        return;
    } catch (const std::exception &e) {
        message = e.what();
        isStandard = true;
    } catch (...) {
        const std::type_info *type = abi::__cxa_current_exception_type();
        foreignType = type ? TypeName(*type) : std::string("?");
    }

    FHost.StopTick();
    if (isStandard && IsIgnoredCrashMessage(message))
        return;
    FReporting = true;
    if (isStandard) {
        const std::string report = ComposeCrashReport(message, FLog.Text());
        WriteReport(report);
        FatalSignalReport::MarkReported();
        FHost.ShowReport(QString::fromStdString(report));
    } else {
        FatalSignalReport::MarkReported();
        FHost.ShowPlainError(QStringLiteral("Ausnahme vom Typ %1.").arg(QString::fromStdString(foreignType)));
    }
    FReported = true;
    LumoApplication::NoteCrashReported();
    FHost.CloseWithoutSaving();
}

} // namespace lumo
