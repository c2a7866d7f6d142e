#pragma once
// Whether the sound system reports outputs for tones and for music.

namespace lumo {

class SoundDeviceProbe {
public:
    virtual ~SoundDeviceProbe() = default;
    virtual bool WaveOutputPresent() = 0;
    virtual bool MidiOutputPresent() = 0;
};

} // namespace lumo
