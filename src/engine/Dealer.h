#pragma once
// Clearing the board and dealing the 52 cards, three to a pile.

namespace lumo {

struct EngineContext;
class CardPlacer;
class ScoreKeeper;
class Evaluator;

class Dealer {
public:
    Dealer(EngineContext& context, CardPlacer& placer, ScoreKeeper& score, Evaluator& evaluator)
        : context_(context), placer_(placer), score_(score), evaluator_(evaluator) {}

    void ResetBoard();
    void Deal();
    // Draws cards until one whose pile number passes the test comes up; the
    // deal and the reshuffle pick their cards this way.
    int DrawCard(bool (*eligible)(int stapel));
    // Lowest-numbered pile with fewer than 3 cards.
    int NextPileToFill() const;

private:
    EngineContext& context_;
    CardPlacer& placer_;
    ScoreKeeper& score_;
    Evaluator& evaluator_;
};

} // namespace lumo
