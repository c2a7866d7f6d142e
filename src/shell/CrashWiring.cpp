#include "shell/CrashWiring.h"

#include "companion/MessageDialog.h"
#include "shell/CrashReporter.h"
#include "timing/TCKMultimediaTimer.h"

#include <QMessageBox>
#include <QWidget>

namespace lumo {

CrashWiring::CrashWiring(TCKMultimediaTimer &tick, QWidget &window)
    : FTick(tick), FWindow(window),
      FReporter(std::make_unique<CrashReporter>(*this, CrashReporter::DefaultReportPath(),
                                                CrashReporter::FallbackReportPath()))
{
}

CrashWiring::~CrashWiring() = default;

void CrashWiring::StopTick()
{
    FTick.SetEnabled(false);
}

void CrashWiring::ShowReport(const QString &text)
{
    ShowInfo(text, QString(), true);
}

void CrashWiring::ShowPlainError(const QString &text)
{
    QMessageBox::critical(nullptr, QStringLiteral("Lumo"), text);
}

void CrashWiring::CloseWithoutSaving()
{
    // Closing by any means but the end buttons stores no settings.
    FWindow.close();
}

} // namespace lumo
