#pragma once
// What the crash report needs from the main window.

#include <QString>

namespace lumo {

class CrashHost {
public:
    virtual ~CrashHost() = default;
    // Stops the 250 ms tick, so that nothing moves while the report shows.
    virtual void StopTick() = 0;
    // The report through the message dialog; returns when the user closed it.
    virtual void ShowReport(const QString &text) = 0;
    // The plain error display for a thrown object that is no std::exception.
    virtual void ShowPlainError(const QString &text) = 0;
    // Closes the main window; the settings are not saved.
    virtual void CloseWithoutSaving() = 0;
};

} // namespace lumo
