#include "sound/FluidMusicPlayer.h"

#include "sound/SoundDevices.h"
#include "sound/SoundOutput.h"
#include "sound/SynthStream.h"

#include <QString>

namespace lumo {

FluidMusicPlayer::FluidMusicPlayer(SoundDevices& devices, SoundOutput& output)
    : devices_(devices), output_(output) {
    output_.RunOnAudioThread([this] { stream_ = new SynthStream(); });
}

FluidMusicPlayer::~FluidMusicPlayer() {
    SynthStream* stream = stream_;
    output_.RunOnAudioThread([stream] { delete stream; });
}

std::string FluidMusicPlayer::Open(const std::string& path) {
    if (!devices_.MidiOutputPresent()) return "Kein Ausgabegerät für Musik vorhanden.";
    // The soundfont is part of the device: the same one the presence check found.
    const QString soundFont = devices_.SoundFontPath();
    const QString file = QString::fromStdString(path);
    std::string result;
    output_.RunOnAudioThread([&] { result = stream_->OpenFile(file, soundFont); });
    return result;
}

std::string FluidMusicPlayer::Play() {
    std::string result;
    output_.RunOnAudioThread([&] { result = stream_->Start(); });
    return result;
}

MusicMode FluidMusicPlayer::Mode() {
    MusicMode mode = MusicMode::Failed;
    output_.RunOnAudioThread([&] { mode = stream_->Mode(); });
    return mode;
}

bool FluidMusicPlayer::Close() {
    bool closed = false;
    output_.RunOnAudioThread([&] { closed = stream_->CloseFile(); });
    return closed;
}

} // namespace lumo
