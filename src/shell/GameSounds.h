#pragma once
// The game's sounds on the sound system: tones, the stored applause and the
// presence of the outputs.

#include "sound/ToneOutput.h"

namespace lumo {

class GameSounds : public ToneOutput {
public:
    bool WaveOutputPresent() override;
    bool MidiOutputPresent() override;
    void PlayTone(int frequencyHz, int durationMs, int volume) override;
    void PlayApplause() override;

    // For tests: everything above goes to the replacement instead; null
    // restores the sound system.
    void ReplaceForTests(ToneOutput *replacement) { FReplacement = replacement; }

private:
    ToneOutput *FReplacement = nullptr;
};

} // namespace lumo
