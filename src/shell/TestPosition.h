#pragma once
// A test-only way into the real program at a known position: when the
// environment variable LUMO_TEST_POSITION names a position file (format in
// engine/PositionText.h), the first game starts from that position instead of
// a random deal. No player sets it; end-to-end tests do.

namespace lumo {

class Game;

// Sets up the named position and evaluates it, after the first deal. Returns
// false (the deal stands) when the variable is unset, and also when the file
// cannot be read or is not a position; the reason goes to standard error.
bool ApplyTestPosition(Game &game);

} // namespace lumo
