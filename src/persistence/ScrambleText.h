#pragma once
// The keyless byte scrambler of the high-score file. It is its own inverse:
// the key stream depends only on the (trimmed) length, so scrambling the
// scrambled text gives back the plain text.

#include <string>
#include <string_view>

namespace lumo {

// Trims the text (bytes 0..32 at both ends), then XORs every byte with
// (r | 0x80), r being the top seven bits of a linear congruential generator
// seeded with the trimmed length.
std::string ScrambleText(std::string_view text);

} // namespace lumo
