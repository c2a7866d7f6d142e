#pragma once
// Where the high-score file lives and how it is read and rewritten.

#include <QString>

#include <string>

namespace lumo {

class HighScoreStore {
public:
    explicit HighScoreStore(QString filePath);

    // <folder>/<base name>.HSC.
    static HighScoreStore InFolder(const QString &folder, const QString &baseName);

    // Beside the program when its folder is writable (a build tree or a
    // portable copy); an installed program's folder is not, so there the list
    // lives in the user's data folder.
    static QString DefaultFolder();
    static QString ChooseFolder(const QString &programFolder, const QString &dataFolder);
    static HighScoreStore ForProgram();

    const QString &filePath() const { return m_filePath; }

    // The file's bytes; empty when it is missing or cannot be read.
    std::string Read() const;

    // Replaces the file atomically (a new file renamed over the old one), so
    // an interrupted save leaves the old list intact. False on failure.
    bool Write(const std::string &bytes) const;

private:
    QString m_filePath;
};

} // namespace lumo
