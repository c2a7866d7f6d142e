#pragma once
// The title-bar logo: a click opens the maker's web site in the browser,
// when there is a connection.

#include "online/OnlineHost.h"

#include <functional>

namespace lumo {

class WebLink {
public:
    using ConnectionCheck = std::function<bool()>;
    using UrlOpener = std::function<bool(const QString &url)>;

    WebLink(OnlineHost &host, QString address, ConnectionCheck isConnected);

    void i_logoClick();
    // False without a connection (nothing is started) or when the desktop
    // could not open the address.
    bool OpenWebPage(const QString &url);

    // Tests only: a stand-in for the browser.
    void SetUrlOpener(UrlOpener opener) { FOpen = std::move(opener); }

private:
    OnlineHost &FHost;
    QString FAddress;
    ConnectionCheck FIsConnected;
    UrlOpener FOpen;
};

} // namespace lumo
