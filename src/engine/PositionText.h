#pragma once
// A board position written as text, for end-to-end tests that need the real
// program to start from a known position. One statement per line, '#' starts
// a comment:
//   level 2                 level to play at (1..3)
//   reshuffles-used 1       reshuffles already used
//   foundations 1 0 0 0     cards filed on foundations 1..4, As upwards
//   pile 13 14 5            pile 13 holds cards 14 and 5 (face indices, bottom to top)
// Piles not named stay empty; cards named nowhere are not on the table.

#include "engine/BoardPosition.h"

#include <optional>
#include <string>

namespace lumo {

// The position, or nothing with a reason in *error. Whether the cards fit
// together (each used once) is checked when the position is set up.
std::optional<BoardPosition> ParsePositionText(const std::string& text, std::string* error = nullptr);

} // namespace lumo
