#include "engine/GameState.h"

namespace lumo {

GameState::GameState()
{
    for (auto& pile : pileCards)
        pile.fill(-1);
    for (int f = 1; f <= kFoundationCount; ++f) {
        foundationCards[f].fill(-1);
        foundationCards[f][0] = FoundationBase(f);
    }
}

} // namespace lumo
