#pragma once
// The crash report in the main window: made first among the window's parts
// and gone last, so every exception raised while the window exists is in its
// log. An exception that escapes a handler stops the title tick, shows the
// report through the message dialog and closes the window unsaved.

#include "shell/CrashHost.h"

#include <memory>

class QWidget;

namespace lumo {

class CrashReporter;
class TCKMultimediaTimer;

class CrashWiring : public CrashHost {
public:
    CrashWiring(TCKMultimediaTimer &tick, QWidget &window);
    ~CrashWiring() override;
    CrashWiring(const CrashWiring &) = delete;
    CrashWiring &operator=(const CrashWiring &) = delete;

    CrashReporter &Reporter() { return *FReporter; }

    void StopTick() override;
    void ShowReport(const QString &text) override;
    void ShowPlainError(const QString &text) override;
    void CloseWithoutSaving() override;

private:
    TCKMultimediaTimer &FTick;
    QWidget &FWindow;
    std::unique_ptr<CrashReporter> FReporter;
};

} // namespace lumo
