#include "online/WebLink.h"

#include "common/ScreenCursor.h"
#include "online/DesktopOpener.h"

namespace lumo {

WebLink::WebLink(OnlineHost &host, QString address, ConnectionCheck isConnected)
    : FHost(host),
      FAddress(std::move(address)),
      FIsConnected(std::move(isConnected)),
      FOpen(OpenWithDesktop)
{
}

bool WebLink::OpenWebPage(const QString &url)
{
    SetScreenCursor(ScreenCursorShape::Wait);
    struct NormalCursor {
        ~NormalCursor() { SetScreenCursor(ScreenCursorShape::Normal); }
    } normal;
    if (!FIsConnected || !FIsConnected())
        return false;
    return FOpen(url);
}

void WebLink::i_logoClick()
{
    FHost.CloseMenu();
    if (!OpenWebPage(FAddress)) {
        FHost.ShowInfo(QStringLiteral("Es kann zur Zeit keine Verbindung\r\nzum Internet hergestellt werden.\r\n"
                                      "Prüfen sie die Ursachen\r\nund versuchen Sie es erneut!"));
    }
}

} // namespace lumo
