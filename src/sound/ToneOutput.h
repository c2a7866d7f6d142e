#pragma once
// The sounds the game itself makes and the outputs they need: the engine's
// tones and applause, the input clicks, the switch-on tone, the device check.
// The program plays them through the sound system; tests put a recorder in.

#include "sound/SoundDeviceProbe.h"

namespace lumo {

class ToneOutput : public SoundDeviceProbe {
public:
    // Synchronous: returns when the tone has ended.
    virtual void PlayTone(int frequencyHz, int durationMs, int volume) = 0;
    // The stored applause; returns when it has ended.
    virtual void PlayApplause() = 0;
};

} // namespace lumo
