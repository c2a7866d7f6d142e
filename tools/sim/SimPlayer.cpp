#include "SimPlayer.h"

#include "engine/BoardGeometry.h"

namespace lumo::sim {

namespace {
// Far more than any game needs: each card moves at most once per deal.
constexpr int kStepLimit = 10'000;
} // namespace

SimPlayer::SimPlayer(int level) : level_(level)
{
    // The silent first deal of a program start, so every played game is an
    // ordinary new game that depends on its own seed only.
    random_.Reset(0);
    game_.StartFirstGame();
}

std::uint64_t SimPlayer::GameSeed(std::uint64_t runSeed, int level, int game)
{
    // splitmix64 of the run seed, level and game number
    std::uint64_t z = runSeed + 0x9E3779B97F4A7C15ULL * (static_cast<std::uint64_t>(level) * 1'000'003ULL
                                                           + static_cast<std::uint64_t>(game) + 1);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return (z ^ (z >> 31)) & 0x7FFFFFFFFFFFFFFFULL;
}

GameResult SimPlayer::Play(std::uint64_t seed, GameTrace* trace)
{
    if (trace)
        trace->Clear();
    game_.SetObserver(trace);
    random_.Reset(seed);
    if (game_.Level() != level_)
        game_.bt_stufe_Click(level_);
    else
        game_.bt_neuClick();

    for (int step = 0; step < kStepLimit; ++step) {
        const GameOutcome outcome = game_.Outcome();
        if (outcome == GameOutcome::Won || outcome == GameOutcome::Lost)
            break;
        if (outcome == GameOutcome::Stuck) {
            game_.bild_goClick(true);
            continue;
        }
        if (!PlayHint())
            break;
    }
    game_.SetObserver(nullptr);
    return {game_.Outcome() == GameOutcome::Won, game_.Points(), game_.Moves()};
}

bool SimPlayer::PlayHint()
{
    const int card = game_.HintSource();
    if (card == 0)
        return false;
    int target = 0;
    if (game_.HintTarget() != 0) {
        target = game_.Board().Card(game_.HintTarget()).stapel;
    } else {
        for (int p = 1; p <= kPileCount && target == 0; ++p)
            if (game_.PileCount(p) == 0)
                target = p;
    }
    if (target == 0)
        return false;
    host_.pointer = {PileFrameLeft(target) + kFrameWidth / 2, PileFrameTop(target) + kFrameHeight / 2};
    const CardView& view = game_.Board().Card(card);
    const TablePoint origin{view.left, view.top};
    game_.MoveCard(card, host_.pointer.x - 38, host_.pointer.y - 48);
    return game_.CompleteDrop(card, origin) != 0;
}

} // namespace lumo::sim
