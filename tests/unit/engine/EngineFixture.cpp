#include "EngineFixture.h"

namespace lumo::test {

EngineFixture::EngineFixture()
{
    host.cardReader = [this](int card) {
        const CardView& view = game.Board().Card(card);
        return CardFrame{card, view.left, view.top};
    };
}

void EngineFixture::SetPiles(std::initializer_list<std::pair<int, std::vector<int>>> piles, int level,
    int reshufflesUsed, std::array<int, 4> foundationCounts)
{
    BoardPosition position;
    for (const auto& [pile, cards] : piles)
        position.piles[static_cast<std::size_t>(pile - 1)] = cards;
    position.level = level;
    position.reshufflesUsed = reshufflesUsed;
    position.foundationCounts = foundationCounts;
    game.SetPosition(position);
}

int EngineFixture::DropOnPile(int card, int targetPile)
{
    const CardView& view = game.Board().Card(card);
    const TablePoint origin{view.left, view.top};
    host.PointAtPile(targetPile);
    game.MoveCard(card, host.pointer.x - 38, host.pointer.y - 48);
    return game.CompleteDrop(card, origin);
}

} // namespace lumo::test
