#pragma once
// Puts cards onto piles and foundations, stacks piles and keeps the frame
// hints up to date.

#include <string>

namespace lumo {

struct EngineContext;
class ScoreKeeper;
class FoundationFlight;

class CardPlacer {
public:
    CardPlacer(EngineContext& context, ScoreKeeper& score, FoundationFlight& flight)
        : context_(context), score_(score), flight_(flight) {}

    // Puts the card onto pile `target` (1..18) or foundation `target` (1..4)
    // at list position `position`. The caller removes it from its source.
    void PlaceCard(int card, int target, int position, bool toFoundation);
    void StackPile(int pile);
    void UpdatePileFrameHint(int pile, int count);
    void UpdateFoundationHint(int foundation, int count);

    static std::string FrameHintText(int count);
    // The same texts, made once.
    static const std::string& FrameHint(int count);

private:
    void PlaceOnFoundation(int card, int foundation, int position);
    void PlaceOnPile(int card, int pile, int position);

    EngineContext& context_;
    ScoreKeeper& score_;
    FoundationFlight& flight_;
};

} // namespace lumo
