#pragma once
// Finds the General MIDI soundfont the music is synthesized with.

#include <QString>

namespace lumo {

// Debian's TimGM6mb soundfont, else the default soundfont FluidSynth knows, else
// the first of the usual system locations that exists; empty when none does.
QString FindGeneralMidiSoundFont();

} // namespace lumo
