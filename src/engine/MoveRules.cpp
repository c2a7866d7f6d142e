#include "engine/MoveRules.h"

#include "engine/BoardGeometry.h"
#include "engine/CardFace.h"
#include "engine/CardPlacer.h"
#include "engine/EngineContext.h"

namespace lumo {

bool MoveRules::PointInFrame(int x, int y, int pile)
{
    const int left = PileFrameLeft(pile);
    const int top = PileFrameTop(pile);
    return x >= left && x <= left + kFrameWidth && y >= top && y <= top + kFrameHeight;
}

bool MoveRules::FitsOnto(int card, int below)
{
    // The suit check keeps a König from counting as "one below" the next suit's As.
    return IsValidCard(card) && IsValidCard(below) && below == card + 1 && CardSuit(below) == CardSuit(card);
}

int MoveRules::FindDropTarget(int card)
{
    const GameState& s = context_.state;
    const TablePoint pointer = context_.host.PointerOnTable();
    if (pointer.y < kDropLineY || !IsValidCard(card))
        return 0;
    if (IsKing(card) && s.level == 1) {
        for (int p = 1; p <= kPileCount; ++p)
            if (s.pileCount[p] == 0 && PointInFrame(pointer.x, pointer.y, p))
                return p;
        return 0;
    }
    for (int p = 1; p <= kPileCount; ++p)
        if (s.pileCount[p] > 0 && PointInFrame(pointer.x, pointer.y, p) && FitsOnto(card, s.TopOfPile(p)))
            return p;
    return 0;
}

bool MoveRules::FileOneCard()
{
    GameState& s = context_.state;
    for (int f = 1; f <= kFoundationCount; ++f) {
        if (s.foundationCount[f] >= 13)
            continue;
        const int wanted = s.TopOfFoundation(f) + 1;
        if (!IsValidCard(wanted))
            continue;
        // A card lies on one pile only, so the lowest-numbered pile holding it
        // on top is the one its pile number names.
        const int p = context_.board.Card(wanted).stapel;
        if (p < 1 || p > kPileCount || s.TopOfPile(p) != wanted)
            continue;
        placer_.PlaceCard(wanted, f, s.foundationCount[f] + 1, true);
        s.pileCards[p][s.pileCount[p]] = -1;
        s.pileCount[p] -= 1;
        if (context_.observer)
            context_.observer->OnFiled(wanted, f);
        return true;
    }
    return false;
}

} // namespace lumo
