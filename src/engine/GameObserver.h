#pragma once
// Optional listener for what happens in a game; the simulator's trace uses it.

#include <array>
#include <vector>

namespace lumo {

// The 18 piles, index 0 = pile 1, each bottom to top as face indices.
using PileSnapshot = std::array<std::vector<int>, 18>;

class GameObserver {
public:
    virtual ~GameObserver() = default;
    // All 52 cards dealt, before the first evaluation.
    virtual void OnDealt(const PileSnapshot& piles) { (void)piles; }
    // A reshuffle has redealt the gathered cards, before their evaluation.
    virtual void OnRedealt(const PileSnapshot& piles) { (void)piles; }
    virtual void OnFiled(int card, int foundation) { (void)card; (void)foundation; }
    virtual void OnMoved(int card, int fromPile, int toPile) { (void)card; (void)fromPile; (void)toPile; }
};

} // namespace lumo
