#pragma once
// What the player may drop where, and the automatic filing onto the foundations.

namespace lumo {

struct EngineContext;
class CardPlacer;

class MoveRules {
public:
    MoveRules(EngineContext& context, CardPlacer& placer) : context_(context), placer_(placer) {}

    static bool PointInFrame(int x, int y, int pile);
    // Decided by the pointer's position, not the card's.
    int FindDropTarget(int card);
    // Files the first fitting card (foundations 1..4, piles 1..18); true if it did.
    bool FileOneCard();
    // The card fits on top of the other: same suit, one value higher.
    static bool FitsOnto(int card, int below);

private:
    EngineContext& context_;
    CardPlacer& placer_;
};

} // namespace lumo
