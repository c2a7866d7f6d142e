#pragma once
// Plays whole games through the real engine: follows the engine's own hint
// (a König bound for an empty pile goes to the lowest-numbered one),
// reshuffles when stuck and stops at a win or a loss.

#include "GameTrace.h"
#include "SimClock.h"
#include "SimHost.h"
#include "SimRandom.h"
#include "engine/Game.h"

#include <cstdint>
#include <string>

namespace lumo::sim {

struct GameResult {
    bool won = false;
    int points = 0;
    int moves = 0;
};

class SimPlayer {
public:
    explicit SimPlayer(int level);

    // Plays one game from the seed; with trace set, the trace records it.
    GameResult Play(std::uint64_t seed, GameTrace* trace = nullptr);
    // The seed of game number `game` in a run started with `runSeed`.
    static std::uint64_t GameSeed(std::uint64_t runSeed, int level, int game);

    Game& GameEngine() { return game_; }

private:
    bool PlayHint();

    int level_;
    SimHost host_;
    SimRandom random_;
    SimClock clock_;
    Game game_{host_, random_, clock_};
};

} // namespace lumo::sim
