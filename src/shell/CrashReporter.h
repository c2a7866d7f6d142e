#pragma once
// The crash report of the main window. While it exists every exception thrown
// on the window thread is described in the crash log as it is thrown; an
// exception that escapes an event handler is written to <base name>.ERR,
// shown and ends the program. Faults (signals) still write the report.

#include "shell/CrashLog.h"

#include <QString>

#include <cstdint>
#include <exception>
#include <memory>
#include <string>
#include <thread>
#include <typeinfo>

class QObject;

namespace lumo {

class CodeLocator;
class CrashHost;

class CrashReporter {
public:
    // Registers LogException for throws, ReportCrash for exceptions that
    // escape event handlers, and the report for fatal signals.
    CrashReporter(CrashHost &host, std::string reportPath, std::string fallbackPath);
    // Unregisters all three: nothing is logged or reported afterwards.
    ~CrashReporter();
    CrashReporter(const CrashReporter &) = delete;
    CrashReporter &operator=(const CrashReporter &) = delete;

    // Beside the program when its folder is writable, else in the user's data
    // folder, where the high-score list goes too.
    static std::string DefaultReportPath();
    static std::string FallbackReportPath();

    void LogException(void *object, const std::type_info &type, std::uintptr_t throwAddress);
    void ReportCrash(QObject *sender, std::exception_ptr error);

    const CrashLog &Log() const { return FLog; }
    bool Reported() const { return FReported; }
    const std::string &ReportPath() const { return FReportPath; }

private:
    static void OnThrow(void *context, void *object, const std::type_info *type, void *throwAddress);
    void WriteReport(const std::string &text) const;

    CrashHost &FHost;
    std::string FReportPath;
    std::string FFallbackPath;
    std::unique_ptr<CodeLocator> FLocator;
    CrashLog FLog;
    std::thread::id FThread;
    bool FReporting = false;
    bool FReported = false;
};

} // namespace lumo
