#pragma once
// Records one game's deal and events and writes them as one JSON line.

#include "engine/GameObserver.h"

#include <cstdint>
#include <string>

namespace lumo::sim {

class GameTrace : public GameObserver {
public:
    void Clear();
    void OnDealt(const PileSnapshot& piles) override;
    void OnRedealt(const PileSnapshot& piles) override;
    void OnFiled(int card, int foundation) override;
    void OnMoved(int card, int fromPile, int toPile) override;

    std::string Json(int game, int level, std::uint64_t seed, const std::string& result, int points, int moves) const;

    static std::string PilesJson(const PileSnapshot& piles);

private:
    std::string deal_;
    std::string events_;
};

} // namespace lumo::sim
