#include "engine/Reshuffler.h"

#include "engine/BoardGeometry.h"
#include "engine/CardPlacer.h"
#include "engine/Dealer.h"
#include "engine/EngineContext.h"
#include "engine/Evaluator.h"
#include "engine/ScoreKeeper.h"
#include "engine/StatusTexts.h"

namespace lumo {

void Reshuffler::bild_goClick(bool fromGo)
{
    EngineContext& c = context_;
    GameState& s = c.state;
    c.board.blinkerEnabled = false;
    c.board.status.visible = true;
    c.board.status.color = kStatusWhite;
    c.SetStatusText("Bitte warten ...");
    if (!fromGo)
        return;

    BusyScope busy(c);
    s.ready = true;
    s.reshufflesUsed += 1;
    const int remaining = ReshufflesAllowed(s.level) - s.reshufflesUsed;
    if (remaining <= 0) {
        c.board.reshuffleGo.visible = false;
        c.board.reshuffleStop.visible = true;
        c.board.reshuffleStop.hint = "Du kannst nicht mehr mischen!";
    }
    {
        WaitCursorScope cursor(c);
        c.host.CloseMenu();
        const int count = Gather();
        Redeal(count);
        c.host.RepaintTable();
        if (c.host.MainWindowActivated() && c.SoundOn())
            c.host.PlayTone(2000, 5, 20);
        c.SetStatusText(ReshufflesLeftText(remaining));
        if (c.observer)
            c.observer->OnRedealt(c.Piles());
        evaluator_.Evaluate();
        c.host.RepaintTable();
        c.board.points.left = c.board.time.left = c.board.moves.left = kScoreLabelLeft;
        c.board.points.top = kPointsLabelTop;
        c.board.time.top = kTimeLabelTop;
        c.board.moves.top = kMovesLabelTop;
    }
}

int Reshuffler::Gather()
{
    EngineContext& c = context_;
    GameState& s = c.state;
    int count = 0;
    for (int p = 1; p <= kPileCount; ++p) {
        for (int i = 1; i <= s.pileCount[p]; ++i) {
            const int card = s.pileCards[p][i];
            if (card <= 0)
                continue;
            CardView& view = c.board.Card(card);
            view.visible = false;
            view.left = kGatherLeft;
            view.top = kGatherTop;
            view.stapel = 0;
            c.board.BringCardToFront(card);
            ++count;
            c.host.RepaintTable();
            score_.ShowPlayTime();
        }
    }
    c.host.RepaintTable();
    for (int p = 1; p <= kPileCount; ++p) {
        s.pileCount[p] = 0;
        placer_.UpdatePileFrameHint(p, 0);
        s.pileCards[p].fill(-1);
    }
    c.host.RepaintTable();
    score_.ShowPlayTime();
    return count;
}

void Reshuffler::Redeal(int count)
{
    EngineContext& c = context_;
    GameState& s = c.state;
    c.random.SeedFromClock();
    for (int placed = 0; placed < count; ++placed) {
        const int card = dealer_.DrawCard([](int stapel) { return stapel == 0; });
        const int pile = dealer_.NextPileToFill();
        s.pileCount[pile] += 1;
        placer_.PlaceCard(card, pile, s.pileCount[pile], false);
        c.host.RepaintTable();
        score_.ShowPlayTime();
    }
}

} // namespace lumo
