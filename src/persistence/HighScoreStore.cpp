#include "persistence/HighScoreStore.h"

#include "common/CheckedSave.h"
#include "common/FileHelpers.h"
#include "common/RegularFileRead.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <utility>

namespace lumo {

HighScoreStore::HighScoreStore(QString filePath) : m_filePath(std::move(filePath)) {}

HighScoreStore HighScoreStore::InFolder(const QString &folder, const QString &baseName)
{
    return HighScoreStore(QDir(folder).filePath(baseName + QStringLiteral(".HSC")));
}

QString HighScoreStore::DefaultFolder()
{
    return ChooseFolder(QCoreApplication::applicationDirPath(),
                        QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
}

QString HighScoreStore::ChooseFolder(const QString &programFolder, const QString &dataFolder)
{
    const QFileInfo info(programFolder);
    return info.isDir() && info.isWritable() ? programFolder : dataFolder;
}

HighScoreStore HighScoreStore::ForProgram()
{
    return InFolder(DefaultFolder(), QString::fromStdString(ProgramBaseName()));
}

std::string HighScoreStore::Read() const
{
    RegularFileContent content = ReadRegularFile(QFile::encodeName(m_filePath).toStdString(), kMaxFileBytes);
    return content.outcome == ReadOutcome::Read ? std::move(content.bytes) : std::string();
}

bool HighScoreStore::Write(const std::string &bytes) const
{
    const QString folder = QFileInfo(m_filePath).absolutePath();
    if (!QDir().mkpath(folder))
        return false;
    return SaveFileAtomically(QFile::encodeName(m_filePath).toStdString(), bytes);
}

} // namespace lumo
