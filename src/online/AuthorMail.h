#pragma once
// The menu entry "E-Mail an den Autor": the user's own mail program opens a
// message to the author, with the program's name and version as subject.

#include "online/MailTo.h"
#include "online/OnlineHost.h"

#include <functional>

namespace lumo {

class AuthorMail {
public:
    // Opens a link with the desktop's handler; QDesktopServices by default.
    using UrlOpener = std::function<bool(const QString &url)>;

    AuthorMail(OnlineHost &host, QString address, QString programBaseName, QString programVersion);

    void bt_mailClick();
    // Hands the request to the mail program; false (after the message) when
    // there is none or it cannot be started.
    bool SendMail(const MailRequest &request);
    MailRequest AuthorRequest() const;

    // Tests only: a stand-in for the mail program.
    void SetUrlOpener(UrlOpener opener) { FOpen = std::move(opener); }

private:
    OnlineHost &FHost;
    QString FAddress;
    QString FBaseName;
    QString FVersion;
    UrlOpener FOpen;
};

} // namespace lumo
