#pragma once
// A position to set up directly: for tests, benchmarks and tools.

#include <array>
#include <vector>

namespace lumo {

struct BoardPosition {
    // Index 0 = pile 1; each pile bottom to top as face indices.
    std::array<std::vector<int>, 18> piles{};
    // Cards filed per foundation (index 0 = foundation 1), As upwards.
    std::array<int, 4> foundationCounts{};
    // Level to play at; 0 keeps the current one.
    int level = 0;
    // Reshuffles already used; at the level's allowance bild_stop shows.
    int reshufflesUsed = 0;
};

} // namespace lumo
