#include "persistence/HighScoreStore.h"

#include "common/FileHelpers.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
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
    QFile file(m_filePath);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return {};
    return bytes.toStdString();
}

bool HighScoreStore::Write(const std::string &bytes) const
{
    const QString folder = QFileInfo(m_filePath).absolutePath();
    if (!QDir().mkpath(folder))
        return false;
    QSaveFile file(m_filePath);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const auto size = static_cast<qint64>(bytes.size());
    // Without commit() the temporary file is dropped and the old list stays.
    if (file.write(bytes.data(), size) != size)
        return false;
    return file.commit();
}

} // namespace lumo
