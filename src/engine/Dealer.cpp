#include "engine/Dealer.h"

#include "engine/CardFace.h"
#include "engine/CardPlacer.h"
#include "engine/EngineContext.h"
#include "engine/Evaluator.h"
#include "engine/ScoreKeeper.h"
#include "engine/StatusTexts.h"

namespace lumo {

void Dealer::ResetBoard()
{
    EngineContext& c = context_;
    GameState& s = c.state;
    ++c.gameSerial;
    for (int p = 1; p <= kPileCount; ++p) {
        s.pileCount[p] = 0;
        s.pileCards[p].fill(-1);
    }
    for (int f = 1; f <= kFoundationCount; ++f) {
        s.foundationCount[f] = 0;
        s.foundationCards[f].fill(-1);
        s.foundationCards[f][0] = FoundationBase(f);
    }
    s.moves = 0;
    score_.SetPoints(0, false);
    score_.SetMoves(0, false);
    c.board.reshuffleStop.visible = false;
    c.board.reshuffleGo.visible = true;
    s.reshufflesUsed = 0;
    s.hintSource = 0;
    s.hintTarget = 0;
    for (int card = 1; card <= kCardCount; ++card)
        c.board.Card(card).visible = false;
    s.ready = true;
    s.outcome = GameOutcome::Playing;
    for (int f = 1; f <= kFoundationCount; ++f) {
        c.board.FoundationImage(f).visible = true;
        placer_.UpdateFoundationHint(f, 0);
    }
    for (int p = 1; p <= kPileCount; ++p) {
        c.board.PileFrame(p).visible = true;
        placer_.UpdatePileFrameHint(p, 0);
        c.board.BringFrameToFront(p);
    }
    c.host.RepaintTable();
}

int Dealer::NextPileToFill() const
{
    for (int p = 1; p <= kPileCount; ++p)
        if (context_.state.pileCount[p] < 3)
            return p;
    return 0;
}

int Dealer::DrawCard(bool (*eligible)(int stapel))
{
    for (;;) {
        const int r = context_.random.Draw(kCardCount);
        if (r >= 1 && r <= kCardCount && eligible(context_.board.Card(r).stapel))
            return r;
    }
}

void Dealer::Deal()
{
    EngineContext& c = context_;
    GameState& s = c.state;
    s.tipText.clear();
    for (int card = 1; card <= kCardCount; ++card) {
        CardView& view = c.board.Card(card);
        view.cursor = PointerShape::Hand;
        view.visible = false;
        view.site = CardSide::Back;
        view.stapel = -1;
    }
    c.random.SeedFromClock();
    for (int dealt = 0; dealt < kCardCount; ++dealt) {
        const int card = DrawCard([](int stapel) { return stapel < 1; });
        const int pile = NextPileToFill();
        s.pileCount[pile] += 1;
        c.board.Card(card).enabled = true;
        c.board.Card(card).visible = true;
        placer_.PlaceCard(card, pile, s.pileCount[pile], false);
        c.host.Delay(1);
    }
    if (c.observer)
        c.observer->OnDealt(c.Piles());
    evaluator_.Evaluate();
    for (int p = 1; p <= kPileCount; ++p)
        placer_.StackPile(p);
    c.SetStatusText(ReshufflesLeftText(ReshufflesAllowed(s.level)));
    score_.SetMoves(0, false);
    score_.StartClock();
    s.quietStart = false;
}

} // namespace lumo
