#include "GameTrace.h"

namespace lumo::sim {

void GameTrace::Clear()
{
    deal_.clear();
    events_.clear();
}

std::string GameTrace::PilesJson(const PileSnapshot& piles)
{
    std::string text = "[";
    for (std::size_t p = 0; p < piles.size(); ++p) {
        text += p ? ", [" : "[";
        for (std::size_t i = 0; i < piles[p].size(); ++i)
            text += (i ? ", " : "") + std::to_string(piles[p][i]);
        text += "]";
    }
    return text + "]";
}

void GameTrace::OnDealt(const PileSnapshot& piles) { deal_ = PilesJson(piles); }

void GameTrace::OnRedealt(const PileSnapshot& piles)
{
    events_ += (events_.empty() ? "" : ", ") + std::string("{\"reshuffle\": ") + PilesJson(piles) + "}";
}

void GameTrace::OnFiled(int card, int foundation)
{
    events_ += (events_.empty() ? "" : ", ") + std::string("{\"file\": ") + std::to_string(card)
        + ", \"foundation\": " + std::to_string(foundation) + "}";
}

void GameTrace::OnMoved(int card, int fromPile, int toPile)
{
    events_ += (events_.empty() ? "" : ", ") + std::string("{\"move\": ") + std::to_string(card)
        + ", \"from\": " + std::to_string(fromPile) + ", \"to\": " + std::to_string(toPile) + "}";
}

std::string GameTrace::Json(int game, int level, std::uint64_t seed, const std::string& result, int points,
    int moves) const
{
    return "{\"game\": " + std::to_string(game) + ", \"level\": " + std::to_string(level) + ", \"seed\": "
        + std::to_string(seed) + ", \"deal\": " + deal_ + ", \"events\": [" + events_ + "], \"result\": \"" + result
        + "\", \"points\": " + std::to_string(points) + ", \"moves\": " + std::to_string(moves) + "}";
}

} // namespace lumo::sim
