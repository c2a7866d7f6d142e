#include "sound/ResourceTrackStore.h"

#include "common/CheckedSave.h"
#include "common/FileHelpers.h"
#include "sound/ResourceLookup.h"

#include <QFileInfo>
#include <QFile>

#include <sys/stat.h>

namespace lumo {

QString ResourceTrackStore::DefaultFilePath() {
    const std::string folder = TempFolderPath();
    return folder.empty() ? QString() : QString::fromStdString(folder) + QStringLiteral("~LUMO.TMP");
}

ResourceTrackStore::ResourceTrackStore(QString filePath) : filePath_(std::move(filePath)) {}

bool ResourceTrackStore::SaveTrack(int track) {
    const auto bytes = ReadResourceByName(QStringLiteral(":/music"), QStringLiteral("data_%1").arg(track));
    if (!bytes || static_cast<std::size_t>(bytes->size()) > kMaxTrackBytes)
        return false;
    // Outside a private folder (none could be had) nothing is written.
    if (!QFileInfo(filePath_).isAbsolute())
        return false;
    // Written aside, checked and renamed, so a failed write leaves the previous
    // piece intact; a link or anything but a regular file there is never
    // written through. Only the user reads it.
    return SaveFileAtomically(QFile::encodeName(filePath_).toStdString(), bytes->toStdString(), 0600);
}

bool ResourceTrackStore::FileExists() const {
    struct stat info {};
    return lstat(QFile::encodeName(filePath_).constData(), &info) == 0 && S_ISREG(info.st_mode);
}

std::string ResourceTrackStore::FilePath() const {
    return filePath_.toStdString();
}

} // namespace lumo
