#include "online/AuthorMail.h"

#include "common/ScreenCursor.h"
#include "online/DesktopOpener.h"
#include "online/MailClient.h"

#include <QCoreApplication>

namespace lumo {

AuthorMail::AuthorMail(OnlineHost &host, QString address, QString programBaseName, QString programVersion)
    : FHost(host),
      FAddress(std::move(address)),
      FBaseName(std::move(programBaseName)),
      FVersion(std::move(programVersion)),
      FOpen(OpenWithDesktop)
{
}

MailRequest AuthorMail::AuthorRequest() const
{
    MailRequest request;
    request.insert(QStringLiteral("to"), FAddress);
    request.insert(QStringLiteral("subject"), QStringLiteral("Programm ") + FBaseName + QStringLiteral(" Vers.") + FVersion);
    request.insert(QStringLiteral("body"), QStringLiteral("Hier Ihren Text (Meinungen,Anfragen e.t.c):"));
    return request;
}

bool AuthorMail::SendMail(const MailRequest &request)
{
    const bool sent = MailClientInstalled() && FOpen(MailToUrl(request));
    SetScreenCursor(ScreenCursorShape::Normal);
    if (!sent)
        FHost.ShowInfo(QStringLiteral("Es kann keine E-Mail gesendet werden, da kein E-Mail Client installiert ist."));
    return sent;
}

void AuthorMail::bt_mailClick()
{
    FHost.CloseMenu();
    QCoreApplication::processEvents();
    SetScreenCursor(ScreenCursorShape::Wait);
    struct NormalCursor {
        ~NormalCursor() { SetScreenCursor(ScreenCursorShape::Normal); }
    } normal;
    SendMail(AuthorRequest());
}

} // namespace lumo
