#pragma once
// The look at the position after every change: filing, frame hints, the next
// hint, and the ends of play (won, stuck, lost).

namespace lumo {

struct EngineContext;
class MoveRules;
class CardPlacer;
class GameEnd;
class TableFlash;

class Evaluator {
public:
    Evaluator(EngineContext& context, MoveRules& rules, CardPlacer& placer, GameEnd& end, TableFlash& flash)
        : context_(context), rules_(rules), placer_(placer), end_(end), flash_(flash) {}

    // True while the game goes on (a move exists or a reshuffle is left).
    bool Evaluate();
    bool AllPilesEmpty() const;

private:
    // Level 1: a König on a pile of several cards may go to an empty pile.
    bool FindKingHint();
    bool FindMoveHint();
    bool NoMoveLeft();

    EngineContext& context_;
    MoveRules& rules_;
    CardPlacer& placer_;
    GameEnd& end_;
    TableFlash& flash_;
};

} // namespace lumo
