#include "online/DesktopOpener.h"

#include <QDesktopServices>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace lumo {

bool OpenWithDesktop(const QString &url)
{
    const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (!opener.isEmpty())
        return QProcess::startDetached(opener, {url});
    return QDesktopServices::openUrl(QUrl(url, QUrl::StrictMode));
}

} // namespace lumo
