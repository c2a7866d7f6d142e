#include "online/SetupLauncher.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>

namespace lumo {

bool RunFile(const QString &file)
{
    if (!QFile::setPermissions(file, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner))
        return false;
    qint64 pid = 0;
    if (!QProcess::startDetached(file, {}, QFileInfo(file).absolutePath(), &pid))
        return false;
    // Waits for the setup to end, then removes its file. Started with the
    // setup's path and process id as arguments, so nothing is quoted.
    QProcess::startDetached(QStringLiteral("/bin/sh"),
        {QStringLiteral("-c"),
         QStringLiteral("while kill -0 \"$1\" 2>/dev/null; do sleep 1; done; rm -f -- \"$0\""), file,
         QString::number(pid)});
    return true;
}

} // namespace lumo
