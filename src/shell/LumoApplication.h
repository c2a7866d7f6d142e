#pragma once
// The application object. An exception that escapes an event handler ends
// here instead of in the event loop: the silent abort is dropped, every other
// one goes to the handler the main window installs while it exists.

#include <QApplication>

#include <cstdint>
#include <exception>
#include <functional>

namespace lumo {

class LumoApplication : public QApplication {
    Q_OBJECT
public:
    using UnhandledExceptionHandler = std::function<void(QObject *receiver, std::exception_ptr error)>;

    LumoApplication(int &argc, char **argv);

    bool notify(QObject *receiver, QEvent *event) override;

    // None: the exception goes on to the event loop as before.
    static void SetUnhandledExceptionHandler(UnhandledExceptionHandler handler);
    // Calls the handler (or rethrows when there is none); for events that do
    // not pass through notify().
    static void HandleUnhandled(QObject *receiver, std::exception_ptr error);

    // An address inside the innermost event dispatch of this thread, 0 outside
    // one: the frames at or above it are the event loop's, and the dispatch
    // takes every exception from the frames below.
    static std::uintptr_t DispatchFrame();

    // The program ends with this status after a crash report.
    static constexpr int kCrashExitStatus = 3;
    static void NoteCrashReported();
    static bool CrashReported();
};

} // namespace lumo
