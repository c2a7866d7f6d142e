#pragma once
// The crash report for faults the language does not turn into exceptions: a
// segmentation fault, a bus or arithmetic error, an illegal instruction, an
// abort (also the one std::terminate ends in). The signal handler may only
// make async-signal-safe calls, so everything it needs is prepared before:
// the file names, the log text in a buffer of its own, a table of the loaded
// modules, a stack of its own. It writes the report with the frames' addresses
// and modules; a child process then writes it again with their functions,
// files and lines (bounded by an alarm; the first report stands if that
// fails). Then the signal ends the process with its usual status. Qt-free.

#include <string>

namespace lumo {

class FatalSignalReport {
public:
    // reportPath is tried first, fallbackPath (its folder created on demand)
    // when that cannot be written. Also routes std::terminate to an abort whose
    // report names the exception that caused it.
    static void Install(const std::string &reportPath, const std::string &fallbackPath);
    // Restores the handlers that were there before.
    static void Uninstall();
    static bool Installed();

    // More log lines (each ending in CR LF) for a later report.
    static void AppendLog(const std::string &text);
    // Refreshes the module table after libraries were loaded.
    static void RefreshModules();
    // A report has been written by other means: a later fault writes none.
    static void MarkReported();
};

} // namespace lumo
