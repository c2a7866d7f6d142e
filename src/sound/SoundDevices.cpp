#include "sound/SoundDevices.h"

#include "sound/SoundFontLocator.h"
#include "sound/SoundServerWatch.h"

#include <QCoreApplication>

namespace lumo {

namespace {
// A local server answers within milliseconds; the greeting asks right away.
constexpr int kFirstAnswerMs = 1000;
} // namespace

SoundDevices& SoundDevices::Instance() {
    // Parented to the application so it goes away with it.
    static SoundDevices* instance = new SoundDevices(QCoreApplication::instance());
    return *instance;
}

SoundDevices::SoundDevices(QObject* parent) : QObject(parent), FServer(std::make_unique<SoundServerWatch>())
{
    FServer->WaitForFirstAnswer(kFirstAnswerMs);
    Refresh();
}

SoundDevices::~SoundDevices() = default;

void SoundDevices::Refresh() {
    FSoundFont = FindGeneralMidiSoundFont();
}

bool SoundDevices::WaveOutputPresent() {
    return FServer->OutputPresent();
}

bool SoundDevices::MidiOutputPresent() {
    return WaveOutputPresent() && !FSoundFont.isEmpty();
}

} // namespace lumo
