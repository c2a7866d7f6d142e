#pragma once
// Puts a given position on the board as if it had been dealt and played.

#include "engine/BoardPosition.h"

namespace lumo {

struct EngineContext;
class CardPlacer;

class PositionSetup {
public:
    PositionSetup(EngineContext& context, CardPlacer& placer) : context_(context), placer_(placer) {}

    // Throws std::invalid_argument for a card out of range or used twice,
    // a foundation count above 13 or a level out of range.
    void Apply(const BoardPosition& position);

private:
    static void Validate(const BoardPosition& position);

    EngineContext& context_;
    CardPlacer& placer_;
};

} // namespace lumo
