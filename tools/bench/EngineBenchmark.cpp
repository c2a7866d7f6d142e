// Speed of the evaluation on a mid-game position and of whole simulated games.

#include "SimPlayer.h"
#include "engine/Game.h"

#include <benchmark/benchmark.h>

namespace {

// Twelve piles with a move for the hint search to find late: the only fitting
// pair sits on piles 17 and 18.
lumo::BoardPosition MidGame()
{
    lumo::BoardPosition position;
    const int piles[12][3] = {{3, 18, 33}, {5, 20, 35}, {7, 22, 37}, {9, 36, 39}, {42, 2, 16}, {44, 4, 29},
        {46, 6, 31}, {48, 8, 45}, {50, 10, 25}, {52, 12, 11}, {13, 26, 51}, {17, 32, 47}};
    for (int p = 0; p < 12; ++p)
        position.piles[static_cast<std::size_t>(p)].assign(piles[p], piles[p] + 3);
    position.piles[16] = {34, 23};
    position.piles[17] = {49, 24};
    position.level = 2;
    return position;
}

void BM_EvaluateMidGame(benchmark::State& state)
{
    lumo::sim::SimHost host;
    lumo::sim::SimRandom random;
    lumo::sim::SimClock clock;
    lumo::Game game(host, random, clock);
    game.SetPosition(MidGame());
    for (auto _ : state)
        benchmark::DoNotOptimize(game.Evaluate());
    state.counters["hint"] = game.HintSource();
}
BENCHMARK(BM_EvaluateMidGame);

void BM_WholeGame(benchmark::State& state)
{
    const int level = static_cast<int>(state.range(0));
    lumo::sim::SimPlayer player(level);
    int game = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(player.Play(lumo::sim::SimPlayer::GameSeed(1, level, game++)).points);
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_WholeGame)->Arg(1)->Arg(2)->Arg(3);

} // namespace

BENCHMARK_MAIN();
