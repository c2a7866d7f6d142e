#pragma once
// The menu entry "Download Update" and the title-bar button: one update from
// the check to the start of the setup.

#include "online/OnlineHost.h"
#include "online/TForm_InternetUpdate.h"
#include "online/UpdateSource.h"

#include <QPointer>

#include <functional>

namespace lumo {

class InternetUpdate {
public:
    using SetupStarter = std::function<bool(const QString &file)>;

    InternetUpdate(OnlineHost &host, UpdateSource source, TForm_InternetUpdate::ConnectionCheck isConnected);

    // The whole update. Does nothing while an update runs already.
    void bt_downloadClick();
    bool Running() const { return !FForm.isNull(); }
    // Ends a running update without a message (the program is closing).
    void Abort();

    // The setup starter; RunFile by default.
    void SetSetupStarter(SetupStarter starter) { FStartSetup = std::move(starter); }
    // The window of the running update, else none.
    TForm_InternetUpdate *Form() const { return FForm; }

private:
    OnlineHost &FHost;
    UpdateSource FSource;
    TForm_InternetUpdate::ConnectionCheck FIsConnected;
    SetupStarter FStartSetup;
    QPointer<TForm_InternetUpdate> FForm;
    bool FAborted = false;
};

} // namespace lumo
