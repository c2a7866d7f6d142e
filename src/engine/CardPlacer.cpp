#include "engine/CardPlacer.h"

#include "engine/BoardGeometry.h"
#include "engine/CardFace.h"
#include "engine/EngineContext.h"
#include "engine/FoundationFlight.h"
#include "engine/ScoreKeeper.h"

#include <array>
#include <stdexcept>

namespace lumo {

namespace {
// Restores Ready however the stacking ends.
class ReadyAfterwards {
public:
    explicit ReadyAfterwards(GameState& state) : state_(state) { state_.ready = false; }
    ~ReadyAfterwards() { state_.ready = true; }
    ReadyAfterwards(const ReadyAfterwards&) = delete;
    ReadyAfterwards& operator=(const ReadyAfterwards&) = delete;

private:
    GameState& state_;
};
} // namespace

void CardPlacer::PlaceCard(int card, int target, int position, bool toFoundation)
{
    if (!IsValidCard(card))
        throw std::out_of_range("card out of range");
    if (toFoundation) {
        if (target < 1 || target > kFoundationCount || position < 1 || position > 13)
            throw std::out_of_range("foundation place out of range");
        PlaceOnFoundation(card, target, position);
    } else {
        if (target < 1 || target > kPileCount || position < 1 || position > kCardCount)
            throw std::out_of_range("pile place out of range");
        PlaceOnPile(card, target, position);
    }
    context_.host.RepaintCard(card);
}

void CardPlacer::PlaceOnFoundation(int card, int foundation, int position)
{
    EngineContext& c = context_;
    CardView& view = c.board.Card(card);
    view.visible = true;
    view.enabled = true;
    flight_.FlyToFoundation(card);
    c.state.foundationCount[foundation] = position;
    c.state.foundationCards[foundation][position] = card;
    view.cursor = PointerShape::Arrow;
    score_.SetPoints(15 * (c.state.level + 1), true);
    UpdateFoundationHint(foundation, position);
    c.board.BringCardToFront(card);
    if (c.SoundOn())
        c.host.PlayTone(900, 20, 20);
}

void CardPlacer::PlaceOnPile(int card, int pile, int position)
{
    EngineContext& c = context_;
    CardView& view = c.board.Card(card);
    view.visible = true;
    view.hint = CardName(card);
    view.left = PileFrameLeft(pile) + kCardInsetX;
    view.top = PileFrameTop(pile) + kCardInsetY;
    view.site = CardSide::Face;
    view.showHint = false;
    c.board.BringCardToFront(card);
    score_.SetPoints(10 * (c.state.level + 1), true);
    if (c.SoundOn())
        c.host.PlayTone(1600, 5, 15);
    view.stapel = pile;
    c.state.pileCards[pile][position] = card;
    c.state.pileCount[pile] = position;
    c.board.PileFrame(pile).showHint = false;
    StackPile(pile);
}

void CardPlacer::StackPile(int pile)
{
    EngineContext& c = context_;
    ReadyAfterwards ready(c.state);
    const int left = PileFrameLeft(pile) + kCardInsetX;
    const int top = PileFrameTop(pile) + kCardInsetY;
    for (int i = 1; i <= c.state.pileCount[pile]; ++i) {
        const int card = c.state.pileCards[pile][i];
        if (card <= 0)
            continue;
        CardView& view = c.board.Card(card);
        view.left = left;
        view.top = top;
        c.board.BringCardToFront(card);
    }
    c.host.RepaintTable();
}

const std::string& CardPlacer::FrameHint(int count)
{
    static const std::array<std::string, kCardCount + 1> hints = [] {
        std::array<std::string, kCardCount + 1> all;
        for (int n = 0; n <= kCardCount; ++n)
            all[static_cast<std::size_t>(n)] = FrameHintText(n);
        return all;
    }();
    return hints[static_cast<std::size_t>(count < 0 ? 0 : count > kCardCount ? kCardCount : count)];
}

std::string CardPlacer::FrameHintText(int count)
{
    if (count <= 0)
        return "Es sind keine Karten abgelegt.";
    if (count == 1)
        return "Eine Karte ist abgelegt.";
    return std::to_string(count) + " Karten.\r\nKlicke auf den Rahmen,\r\num die Karten zu sehen!";
}

void CardPlacer::UpdatePileFrameHint(int pile, int count)
{
    FrameView& frame = context_.board.PileFrame(pile);
    const std::string& hint = FrameHint(count);
    if (frame.hint != hint)
        frame.hint = hint;
    frame.cursor = count >= 2 ? PointerShape::Hand : PointerShape::Arrow;
}

void CardPlacer::UpdateFoundationHint(int foundation, int count)
{
    FrameView& image = context_.board.FoundationImage(foundation);
    image.hint = FrameHint(count);
    image.cursor = count >= 2 ? PointerShape::Hand : PointerShape::Arrow;
}

} // namespace lumo
