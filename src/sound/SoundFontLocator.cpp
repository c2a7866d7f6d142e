#include "sound/SoundFontLocator.h"

#include <QFileInfo>
#include <QStringList>

#include <fluidsynth.h>

namespace lumo {

namespace {

bool Usable(const QString& path) {
    const QFileInfo info(path);
    return !path.isEmpty() && info.isFile() && info.isReadable() && info.size() > 0;
}

QString FluidDefaultSoundFont() {
    fluid_settings_t* settings = new_fluid_settings();
    if (settings == nullptr) return {};
    char* value = nullptr;
    QString result;
    if (fluid_settings_getstr_default(settings, "synth.default-soundfont", &value) == FLUID_OK && value != nullptr)
        result = QString::fromLocal8Bit(value);
    delete_fluid_settings(settings);
    return result;
}

} // namespace

QString FindGeneralMidiSoundFont() {
    QStringList candidates{QStringLiteral("/usr/share/sounds/sf2/TimGM6mb.sf2"), FluidDefaultSoundFont(),
                           QStringLiteral("/usr/share/sounds/sf2/default-GM.sf2"),
                           QStringLiteral("/usr/share/sounds/sf2/FluidR3_GM.sf2"),
                           QStringLiteral("/usr/share/soundfonts/default.sf2")};
    for (const QString& path : candidates) {
        if (Usable(path)) return QFileInfo(path).canonicalFilePath();
    }
    return {};
}

} // namespace lumo
