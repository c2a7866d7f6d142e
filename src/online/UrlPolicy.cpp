#include "online/UrlPolicy.h"

#include <QHostAddress>
#include <QUrl>

namespace lumo {

bool IsLoopbackHost(const QUrl &url)
{
    // Only literal addresses: a name could resolve anywhere.
    const QHostAddress address(url.host());
    return !address.isNull() && address.isLoopback();
}

bool IsAllowedDownloadUrl(const QUrl &url)
{
    if (!url.isValid() || url.host().isEmpty() || !url.userInfo().isEmpty())
        return false;
    const QString scheme = url.scheme().toLower();
    return scheme == QLatin1String("https") || (scheme == QLatin1String("http") && IsLoopbackHost(url));
}

bool IsAllowedRedirect(const QUrl &from, const QUrl &to)
{
    if (!IsAllowedDownloadUrl(to))
        return false;
    return !(from.scheme().compare(QLatin1String("https"), Qt::CaseInsensitive) == 0
             && to.scheme().compare(QLatin1String("https"), Qt::CaseInsensitive) != 0);
}

} // namespace lumo
