#include "shell/TipLift.h"

#include "engine/Game.h"
#include "engine/GameHost.h"
#include "common/TextHelpers.h"

#include <exception>

namespace lumo {

namespace {

bool IsCard(int card)
{
    return card >= 1 && card <= kCardCount;
}

} // namespace

TipLift::TipLift(Game &game, GameHost &host) : FGame(game), FHost(host) {}

void TipLift::Step(int card, int dy)
{
    if (IsCard(card)) {
        const CardView &view = FGame.Board().Card(card);
        FGame.MoveCard(card, view.left, view.top + dy);
        FHost.RepaintCard(card);
    }
    FHost.Delay(StepDelayMs);
}

void TipLift::i_tippClick()
{
    if (!FGame.Board().FoundationImage(1).visible || Trim(FGame.TipText()).empty())
        return;
    const int source = FGame.HintSource();
    const int target = FGame.HintTarget();
    try {
        for (int card : {source, target})
            for (int i = 0; i < Steps; ++i)
                Step(card, -1);
        for (int card : {source, target})
            for (int i = 0; i < Steps; ++i)
                Step(card, +1);
    } catch (const std::exception &) {
        // A failed step only ends the show; the game itself is not affected.
    }
}

} // namespace lumo
