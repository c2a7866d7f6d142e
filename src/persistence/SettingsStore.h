#pragma once
// The three stored switches in the per-user settings file
// (~/.config/vemu/LUMO.conf for the program Lumo).

#include <QString>

#include <optional>

namespace lumo {

struct StoredSettings {
    // nullopt: the value is missing, or holds something that is not a number.
    std::optional<bool> sound;
    std::optional<bool> animation;
    std::optional<bool> music;
};

class SettingsStore {
public:
    explicit SettingsStore(QString filePath);

    // The user's store of the running program: organisation "vemu",
    // application the program's base name in upper case.
    static SettingsStore ForProgram();

    const QString &filePath() const { return m_filePath; }

    // Whether a store exists that can be read. A first run has none.
    bool Exists() const;

    // Reads the values without creating anything on disk.
    StoredSettings Read() const;

    // Writes "OptSound", "OptAni", "OptMidi" as 1 or 0, creating the store
    // and its folder when missing; false when the store could not be written.
    bool Write(bool sound, bool animation, bool music) const;

private:
    QString m_filePath;
};

} // namespace lumo
