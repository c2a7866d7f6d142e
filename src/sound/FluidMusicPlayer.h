#pragma once
// The music sequencer of the program: opens, plays, asks and closes one MIDI
// file at a time, synthesized with FluidSynth into the desktop's sound output.
// Called on the main thread; the work runs on the audio thread.

#include "sound/MusicPlayer.h"

namespace lumo {

class SoundDevices;
class SoundOutput;
class SynthStream;

class FluidMusicPlayer : public MusicPlayer {
public:
    // The devices tell whether music can be played at all and which soundfont
    // to use. Destroy the player before the application ends.
    FluidMusicPlayer(SoundDevices& devices, SoundOutput& output);
    ~FluidMusicPlayer() override;
    FluidMusicPlayer(const FluidMusicPlayer&) = delete;
    FluidMusicPlayer& operator=(const FluidMusicPlayer&) = delete;

    std::string Open(const std::string& path) override;
    std::string Play() override;
    MusicMode Mode() override;
    bool Close() override;

private:
    SoundDevices& devices_;
    SoundOutput& output_;
    SynthStream* stream_ = nullptr;  // lives on the audio thread
};

} // namespace lumo
