#pragma once
// The three stored switches in the per-user settings file
// (~/.config/vemu/LUMO.conf for the program Lumo).

#include <QString>

#include <cstddef>
#include <optional>
#include <string>

namespace lumo {

struct StoredSettings {
    // nullopt: the value is missing, or holds something that is not a number.
    std::optional<bool> sound;
    std::optional<bool> animation;
    std::optional<bool> music;
};

// What a save writes: nullopt leaves the stored value as it is.
struct SettingsUpdate {
    std::optional<bool> sound;
    std::optional<bool> animation;
    std::optional<bool> music;
};

class SettingsStore {
public:
    // A real file holds three short lines; anything beyond this is not one.
    static constexpr std::size_t kMaxFileBytes = 64 * 1024;

    explicit SettingsStore(QString filePath);

    // The user's store of the running program: organisation "vemu",
    // application the program's base name in upper case.
    static SettingsStore ForProgram();

    const QString &filePath() const { return m_filePath; }

    // Whether a store exists that can be read. A first run has none; a link,
    // FIFO, device, folder or oversized file there counts as none.
    bool Exists() const;

    // The stored values; nullopt without a store (as for Exists()). Creates
    // nothing on disk.
    std::optional<StoredSettings> Load() const;
    StoredSettings Read() const;

    // Writes "OptSound", "OptAni", "OptMidi" as 1 or 0 (those the update
    // holds), creating the store and its folder when missing and keeping
    // every other line of the file. The file is replaced by the checked
    // atomic save, so on failure it stays as it was. Never writes through a
    // link or into anything but a regular file. False on failure.
    bool Write(const SettingsUpdate &update) const;
    bool Write(bool sound, bool animation, bool music) const;

private:
    std::string LocalPath() const;

    QString m_filePath;
};

} // namespace lumo
