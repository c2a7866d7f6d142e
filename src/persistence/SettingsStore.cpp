#include "persistence/SettingsStore.h"

#include "common/FileHelpers.h"

#include <QFileInfo>
#include <QSettings>
#include <QVariant>

#include <utility>

namespace lumo {

namespace {

constexpr auto kSound = "OptSound";
constexpr auto kAnimation = "OptAni";
constexpr auto kMusic = "OptMidi";

// Only a number is a value; any non-zero number reads as on. Text that is not
// a number, lists and other stored types count as missing.
std::optional<bool> SwitchValue(const QSettings &settings, const char *key)
{
    const QVariant value = settings.value(QLatin1String(key));
    if (!value.isValid())
        return std::nullopt;
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
        return value.toLongLong() != 0;
    case QMetaType::QString: {
        bool ok = false;
        const qlonglong number = value.toString().trimmed().toLongLong(&ok, 10);
        // A 32-bit number, read signed or unsigned.
        if (!ok || number < -2147483648LL || number > 4294967295LL)
            return std::nullopt;
        return number != 0;
    }
    default:
        return std::nullopt;
    }
}

} // namespace

SettingsStore::SettingsStore(QString filePath) : m_filePath(std::move(filePath)) {}

SettingsStore SettingsStore::ForProgram()
{
    const QSettings settings(QSettings::NativeFormat, QSettings::UserScope,
                             QStringLiteral("vemu"), QString::fromStdString(ProgramBaseName()).toUpper());
    return SettingsStore(settings.fileName());
}

bool SettingsStore::Exists() const
{
    const QFileInfo info(m_filePath);
    return info.isFile() && info.isReadable();
}

StoredSettings SettingsStore::Read() const
{
    StoredSettings stored;
    if (!Exists())
        return stored;
    const QSettings settings(m_filePath, QSettings::IniFormat);
    stored.sound = SwitchValue(settings, kSound);
    stored.animation = SwitchValue(settings, kAnimation);
    stored.music = SwitchValue(settings, kMusic);
    return stored;
}

bool SettingsStore::Write(bool sound, bool animation, bool music) const
{
    QSettings settings(m_filePath, QSettings::IniFormat);
    if (!settings.isWritable())
        return false;
    settings.setValue(QLatin1String(kSound), sound ? 1 : 0);
    settings.setValue(QLatin1String(kAnimation), animation ? 1 : 0);
    settings.setValue(QLatin1String(kMusic), music ? 1 : 0);
    settings.sync();
    return settings.status() == QSettings::NoError;
}

} // namespace lumo
