#pragma once
// Gathering the cards left on the piles, shuffling them and dealing them anew.

namespace lumo {

struct EngineContext;
class CardPlacer;
class ScoreKeeper;
class Dealer;
class Evaluator;

class Reshuffler {
public:
    Reshuffler(EngineContext& context, CardPlacer& placer, ScoreKeeper& score, Dealer& dealer, Evaluator& evaluator)
        : context_(context), placer_(placer), score_(score), dealer_(dealer), evaluator_(evaluator) {}

    // fromGo: the click came from bild_go (bild_stop shares the handler).
    void bild_goClick(bool fromGo);

private:
    int Gather();
    void Redeal(int count);

    EngineContext& context_;
    CardPlacer& placer_;
    ScoreKeeper& score_;
    Dealer& dealer_;
    Evaluator& evaluator_;
};

} // namespace lumo
