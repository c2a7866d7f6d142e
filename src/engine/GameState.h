#pragma once
// The state of one game. Arrays are indexed from 1 as the rules count them;
// index 0 is unused (for foundations it holds the base).

#include "engine/CardFace.h"

#include <array>
#include <cstdint>
#include <string>

namespace lumo {

enum class GameOutcome { NotStarted, Playing, Stuck, Won, Lost };

struct GameState {
    std::array<int, kPileCount + 1> pileCount{};
    // pileCards[p][1] is the bottom card, pileCards[p][pileCount[p]] the top.
    std::array<std::array<int, kCardCount + 1>, kPileCount + 1> pileCards{};
    std::array<int, kFoundationCount + 1> foundationCount{};
    // foundationCards[f][0] holds the base; entries above the count hold -1.
    std::array<std::array<int, 14>, kFoundationCount + 1> foundationCards{};

    int level = 1;
    int points = 0;
    int moves = 0;
    std::int64_t startTimeMs = 0;
    bool clockRunning = false;
    int reshufflesUsed = 0;

    std::string tipText;
    int hintSource = 0;
    int hintTarget = 0;

    bool ready = false;
    bool quietStart = true;
    GameOutcome outcome = GameOutcome::NotStarted;

    GameState();

    int TopOfPile(int pile) const { return pileCount[pile] > 0 ? pileCards[pile][pileCount[pile]] : 0; }
    int TopOfFoundation(int f) const { return foundationCards[f][foundationCount[f]]; }
};

// Reshuffles allowed per game at a level: 3, 2, 1.
constexpr int ReshufflesAllowed(int level) { return 4 - level; }

} // namespace lumo
