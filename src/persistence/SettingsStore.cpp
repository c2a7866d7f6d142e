#include "persistence/SettingsStore.h"

#include "common/CheckedSave.h"
#include "common/FileHelpers.h"
#include "common/RegularFileRead.h"
#include "persistence/SettingsText.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <utility>
#include <vector>

namespace lumo {

namespace {

constexpr auto kSound = "OptSound";
constexpr auto kAnimation = "OptAni";
constexpr auto kMusic = "OptMidi";

} // namespace

SettingsStore::SettingsStore(QString filePath) : m_filePath(std::move(filePath)) {}

SettingsStore SettingsStore::ForProgram()
{
    // Where QSettings keeps a user's native settings on this system. Not asked
    // of QSettings itself: constructing one reads the file, which hangs on a
    // FIFO there.
    return SettingsStore(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
        QStringLiteral("/vemu/") + QString::fromStdString(ProgramBaseName()).toUpper() +
        QStringLiteral(".conf"));
}

std::string SettingsStore::LocalPath() const
{
    return QFile::encodeName(m_filePath).toStdString();
}

bool SettingsStore::Exists() const
{
    return Load().has_value();
}

std::optional<StoredSettings> SettingsStore::Load() const
{
    const RegularFileContent content = ReadRegularFile(LocalPath(), kMaxFileBytes);
    if (content.outcome != ReadOutcome::Read)
        return std::nullopt;
    return StoredSettings{ReadSettingsSwitch(content.bytes, kSound),
        ReadSettingsSwitch(content.bytes, kAnimation), ReadSettingsSwitch(content.bytes, kMusic)};
}

StoredSettings SettingsStore::Read() const
{
    return Load().value_or(StoredSettings{});
}

bool SettingsStore::Write(const SettingsUpdate &update) const
{
    const std::string path = LocalPath();
    const RegularFileContent old = ReadRegularFile(path, kMaxFileBytes);
    // Only a missing store is created; whatever else is there stays untouched.
    if (old.outcome != ReadOutcome::Read && old.outcome != ReadOutcome::Missing)
        return false;
    std::vector<SettingsSwitch> switches;
    if (update.sound)
        switches.push_back({kSound, *update.sound});
    if (update.animation)
        switches.push_back({kAnimation, *update.animation});
    if (update.music)
        switches.push_back({kMusic, *update.music});
    if (!QDir().mkpath(QFileInfo(m_filePath).absolutePath()))
        return false;
    return SaveFileAtomically(path, WriteSettingsSwitches(old.bytes, switches));
}

bool SettingsStore::Write(bool sound, bool animation, bool music) const
{
    return Write(SettingsUpdate{sound, animation, music});
}

} // namespace lumo
