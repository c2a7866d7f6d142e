#include "sound/ResourceTrackStore.h"

#include "common/FileHelpers.h"
#include "sound/ResourceLookup.h"

#include <QFileInfo>
#include <QSaveFile>

namespace lumo {

QString ResourceTrackStore::DefaultFilePath() {
    return QString::fromStdString(TempFolderPath()) + QStringLiteral("~LUMO.TMP");
}

ResourceTrackStore::ResourceTrackStore(QString filePath) : filePath_(std::move(filePath)) {}

bool ResourceTrackStore::SaveTrack(int track) {
    const auto bytes = ReadResourceByName(QStringLiteral(":/music"), QStringLiteral("data_%1").arg(track));
    if (!bytes) return false;
    // Written aside and renamed, so a failed write leaves the previous piece intact.
    QSaveFile file(filePath_);
    if (!file.open(QIODevice::WriteOnly)) return false;
    if (file.write(*bytes) != bytes->size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

bool ResourceTrackStore::FileExists() const {
    return QFileInfo(filePath_).isFile();
}

std::string ResourceTrackStore::FilePath() const {
    return filePath_.toStdString();
}

} // namespace lumo
