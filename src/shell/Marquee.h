#pragma once
// The task bar title runs from right to left, one character per tick.

#include <string>

namespace lumo {

// The text rotated left by one character: every character takes its right
// neighbour's place and the first one moves to the end. Works on code points so
// that "©" and umlauts move as one character.
std::u32string RotateMarquee(const std::u32string &text);

} // namespace lumo
