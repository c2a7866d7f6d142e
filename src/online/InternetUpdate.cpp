#include "online/InternetUpdate.h"

#include "online/SetupLauncher.h"

#include <QFile>

#include <memory>

namespace lumo {

InternetUpdate::InternetUpdate(OnlineHost &host, UpdateSource source,
                               TForm_InternetUpdate::ConnectionCheck isConnected)
    : FHost(host), FSource(std::move(source)), FIsConnected(std::move(isConnected)), FStartSetup(RunFile)
{
}

void InternetUpdate::Abort()
{
    FAborted = true;
    if (FForm)
        FForm->Abort();
}

void InternetUpdate::bt_downloadClick()
{
    // The window thread goes on during the update, and so do the menu and
    // the title-bar button.
    if (FForm)
        return;
    FAborted = false;
    FHost.CloseMenu();

    auto form = std::make_unique<TForm_InternetUpdate>(FSource, FIsConnected, FHost.MainWindow());
    FForm = form.get();
    form->show();
    form->raise();
    form->activateWindow();
    form->RunUpdate();
    form->close();
    const bool success = form->Success();
    const QString setupFile = form->SetupFile();
    const QString message = form->Message();
    const QString newVersion = form->NewVersion();
    form.reset();

    if (FAborted) {
        if (success)
            QFile::remove(setupFile);
        return;
    }
    if (success) {
        const bool install = FHost.AskQuestion(
            QStringLiteral("Download Vers. %1 erfolgreich ausgeführt.%2Installation starten?")
                .arg(newVersion, QStringLiteral("\r\n")));
        if (!install) {
            QFile::remove(setupFile);
        } else if (FStartSetup(setupFile)) {
            FHost.CloseWithoutSaving();
        }
    } else {
        FHost.ShowInfo(message);
    }
}

} // namespace lumo
