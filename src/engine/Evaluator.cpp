#include "engine/Evaluator.h"

#include "engine/CardFace.h"
#include "engine/CardPlacer.h"
#include "engine/EngineContext.h"
#include "engine/GameEnd.h"
#include "engine/MoveRules.h"
#include "engine/StatusTexts.h"
#include "engine/TableFlash.h"

namespace lumo {

bool Evaluator::AllPilesEmpty() const
{
    for (int p = 1; p <= kPileCount; ++p)
        if (context_.state.pileCount[p] > 0)
            return false;
    return true;
}

bool Evaluator::Evaluate()
{
    EngineContext& c = context_;
    c.host.RepaintTable();
    const bool activated = c.host.MainWindowActivated();
    if (activated)
        c.ShowWaitCursor(true);
    while (rules_.FileOneCard()) {
    }
    for (int p = 1; p <= kPileCount; ++p)
        placer_.UpdatePileFrameHint(p, c.state.pileCount[p]);
    bool found = c.state.level == 1 && FindKingHint();
    if (activated)
        c.ShowWaitCursor(false);

    bool goesOn = true;
    if (AllPilesEmpty()) {
        end_.GameWon();
        goesOn = false;
    } else {
        if (!found)
            found = FindMoveHint();
        if (!found)
            goesOn = NoMoveLeft();
        if (goesOn && AllPilesEmpty()) {
            end_.GameWon();
            goesOn = false;
        }
    }
    c.host.RepaintTable();
    return goesOn;
}

bool Evaluator::FindKingHint()
{
    GameState& s = context_.state;
    int kings = 0;
    for (int p = 1; p <= kPileCount; ++p) {
        if (s.pileCount[p] == 0) {
            FrameView& frame = context_.board.PileFrame(p);
            frame.hint.assign("Hier kannst Du keine\r\nKarte setzen!");
            frame.showHint = false;
        }
        if (s.pileCount[p] > 1 && IsKing(s.TopOfPile(p))) {
            ++kings;
            s.hintSource = s.TopOfPile(p);
        }
    }
    if (kings == 0)
        return false;
    bool found = false;
    for (int p = 1; p <= kPileCount; ++p) {
        if (s.pileCount[p] != 0)
            continue;
        FrameView& frame = context_.board.PileFrame(p);
        frame.hint = "Du kannst hierher\r\neinen König setzen!";
        frame.showHint = false;
        found = true;
        s.hintTarget = 0;
        s.tipText = "Tipp!\r\n" + CardName(s.hintSource) + "\r\nauf leeres Feld setzen!";
        s.outcome = GameOutcome::Playing;
    }
    return found;
}

bool Evaluator::FindMoveHint()
{
    GameState& s = context_.state;
    context_.board.reshuffleGo.cursor = PointerShape::Hand;
    // Source piles in order; a card has only one possible target, the pile on
    // which the next card of its suit lies on top.
    for (int p = 1; p <= kPileCount; ++p) {
        if (s.pileCount[p] == 0)
            continue;
        const int card = s.TopOfPile(p);
        if (!IsValidCard(card) || IsKing(card))
            continue;
        const int q = context_.board.Card(card + 1).stapel;
        if (q < 1 || q > kPileCount || q == p || s.TopOfPile(q) != card + 1)
            continue;
        s.hintSource = card;
        s.hintTarget = card + 1;
        s.tipText.assign("Tipp!\r\n").append(CardName(s.hintSource)).append("\r\nauf ").append(CardName(s.hintTarget));
        s.outcome = GameOutcome::Playing;
        return true;
    }
    return false;
}

bool Evaluator::NoMoveLeft()
{
    EngineContext& c = context_;
    GameState& s = c.state;
    s.ready = false;
    s.hintSource = 0;
    s.hintTarget = 0;
    if (!c.board.reshuffleGo.visible) {
        c.host.SetApplicationHint(c.board.status.text);
        s.tipText = kLostTipText;
        s.outcome = GameOutcome::Lost;
        flash_.FlashTable();
        end_.GameLost();
        return false;
    }
    c.board.blinkerEnabled = true;
    c.board.status.color = kStatusDarkRed;
    c.SetStatusText(kStuckText);
    c.host.SetApplicationHint(kStuckText);
    s.tipText = kStuckText;
    s.outcome = GameOutcome::Stuck;
    flash_.FlashTable();
    return true;
}

} // namespace lumo
