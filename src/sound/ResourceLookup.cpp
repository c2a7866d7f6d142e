#include "sound/ResourceLookup.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace lumo {

QString FindResourceByName(const QString& folder, const QString& name) {
    if (name.isEmpty()) return {};
    const QDir dir(folder);
    const QStringList entries = dir.entryList(QDir::Files, QDir::Name);
    for (const QString& entry : entries) {
        if (QFileInfo(entry).completeBaseName().compare(name, Qt::CaseInsensitive) == 0)
            return dir.filePath(entry);
    }
    return {};
}

std::optional<QByteArray> ReadResourceByName(const QString& folder, const QString& name) {
    const QString path = FindResourceByName(folder, name);
    if (path.isEmpty()) return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    return file.readAll();
}

} // namespace lumo
