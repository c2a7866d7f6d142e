#pragma once
// Where the high-score file lives and how it is read and rewritten.

#include <QString>

#include <cstddef>
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

    // A real list is under 200 bytes; anything beyond this is not one.
    static constexpr std::size_t kMaxFileBytes = 64 * 1024;

    // The file's bytes; empty when it is missing, cannot be read, is larger
    // than kMaxFileBytes or is no regular file (a link, FIFO, device or
    // folder counts as missing).
    std::string Read() const;

    // Replaces the file atomically and checked (SaveFileAtomically), so an
    // interrupted save or a full disk leaves the old list intact. Never writes
    // through a link or into anything but a regular file. False on failure.
    bool Write(const std::string &bytes) const;

private:
    QString m_filePath;
};

} // namespace lumo
