#include "online/MailClient.h"

#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>

namespace lumo {

namespace {

constexpr int kQueryTimeoutMs = 5000;

// Every way the ID's dashes can stand for folder separators; IDs have few.
void Candidates(const QString &id, int from, QStringList &out)
{
    out << id;
    for (int i = id.indexOf(QLatin1Char('-'), from); i > 0; i = id.indexOf(QLatin1Char('-'), i + 1)) {
        QString split = id;
        split[i] = QLatin1Char('/');
        Candidates(split, i + 1, out);
    }
}

} // namespace

QString DefaultMailHandler()
{
    QProcess query;
    query.start(QStringLiteral("xdg-mime"),
                {QStringLiteral("query"), QStringLiteral("default"), QStringLiteral("x-scheme-handler/mailto")});
    if (!query.waitForFinished(kQueryTimeoutMs)) {
        query.kill();
        query.waitForFinished(1000);
        return {};
    }
    if (query.exitStatus() != QProcess::NormalExit || query.exitCode() != 0)
        return {};
    return QString::fromLocal8Bit(query.readAllStandardOutput()).split(QLatin1Char('\n')).value(0).trimmed();
}

bool DesktopEntryExists(const QString &desktopId)
{
    if (!desktopId.endsWith(QLatin1String(".desktop")) || desktopId.contains(QLatin1Char('/'))
        || desktopId.startsWith(QLatin1Char('.')) || desktopId.count(QLatin1Char('-')) > 8)
        return false;
    QStringList candidates;
    Candidates(desktopId, 0, candidates);
    for (const QString &candidate : candidates) {
        const QString found = QStandardPaths::locate(QStandardPaths::ApplicationsLocation, candidate);
        if (!found.isEmpty() && QFileInfo(found).isFile())
            return true;
    }
    return false;
}

bool MailClientInstalled()
{
    const QString handler = DefaultMailHandler();
    return !handler.isEmpty() && DesktopEntryExists(handler);
}

} // namespace lumo
