#include "sound/SoundDevices.h"

#include "sound/SoundFontLocator.h"

#include <QCoreApplication>
#include <QAudioDevice>
#include <QMediaDevices>

namespace lumo {

SoundDevices& SoundDevices::Instance() {
    // Parented to the application so it goes away with it.
    static SoundDevices* instance = new SoundDevices(QCoreApplication::instance());
    return *instance;
}

SoundDevices::SoundDevices(QObject* parent) : QObject(parent), devices_(new QMediaDevices(this)) {
    connect(devices_, &QMediaDevices::audioOutputsChanged, this, &SoundDevices::Refresh);
    Refresh();
}

void SoundDevices::Refresh() {
    wave_ = !QMediaDevices::audioOutputs().isEmpty();
    soundFont_ = FindGeneralMidiSoundFont();
}

bool SoundDevices::WaveOutputPresent() {
    return wave_;
}

bool SoundDevices::MidiOutputPresent() {
    return wave_ && !soundFont_.isEmpty();
}

} // namespace lumo
