#include "shell/GameSounds.h"

#include "sound/SoundPlayback.h"

#include <QString>

namespace lumo {

bool GameSounds::WaveOutputPresent()
{
    return FReplacement ? FReplacement->WaveOutputPresent() : lumo::WaveOutputPresent();
}

bool GameSounds::MidiOutputPresent()
{
    return FReplacement ? FReplacement->MidiOutputPresent() : lumo::MidiOutputPresent();
}

void GameSounds::PlayTone(int frequencyHz, int durationMs, int volume)
{
    if (FReplacement)
        FReplacement->PlayTone(frequencyHz, durationMs, volume);
    else
        lumo::PlayTone(frequencyHz, durationMs, volume);
}

void GameSounds::PlayApplause()
{
    if (FReplacement)
        FReplacement->PlayApplause();
    else
        PlayResourceSound(QStringLiteral("Applaus"));
}

} // namespace lumo
