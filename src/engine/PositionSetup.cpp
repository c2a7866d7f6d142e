#include "engine/PositionSetup.h"

#include "engine/BoardGeometry.h"
#include "engine/CardFace.h"
#include "engine/CardPlacer.h"
#include "engine/EngineContext.h"
#include "engine/ScoreKeeper.h"
#include "engine/StatusTexts.h"

#include <array>
#include <stdexcept>

namespace lumo {

void PositionSetup::Validate(const BoardPosition& position)
{
    if (position.level < 0 || position.level > 3)
        throw std::invalid_argument("level out of range");
    std::array<bool, kCardCount + 1> used{};
    const auto use = [&](int card) {
        if (!IsValidCard(card) || used[static_cast<std::size_t>(card)])
            throw std::invalid_argument("card out of range or used twice");
        used[static_cast<std::size_t>(card)] = true;
    };
    for (int f = 1; f <= kFoundationCount; ++f) {
        const int count = position.foundationCounts[static_cast<std::size_t>(f - 1)];
        if (count < 0 || count > 13)
            throw std::invalid_argument("foundation count out of range");
        for (int i = 1; i <= count; ++i)
            use(FoundationBase(f) + i);
    }
    for (const auto& pile : position.piles)
        for (int card : pile)
            use(card);
}

void PositionSetup::Apply(const BoardPosition& position)
{
    Validate(position);
    EngineContext& c = context_;
    GameState& s = c.state;
    ++c.gameSerial;
    if (position.level != 0) {
        s.level = position.level;
        c.board.level.text = std::to_string(s.level);
        c.board.level.top = LevelLabelTop(s.level);
    }
    for (int card = 1; card <= kCardCount; ++card) {
        CardView& view = c.board.Card(card);
        view.visible = false;
        view.stapel = -1;
        view.site = CardSide::Back;
        view.enabled = true;
    }
    for (int f = 1; f <= kFoundationCount; ++f) {
        const int count = position.foundationCounts[static_cast<std::size_t>(f - 1)];
        s.foundationCards[f].fill(-1);
        s.foundationCards[f][0] = FoundationBase(f);
        s.foundationCount[f] = count;
        for (int i = 1; i <= count; ++i) {
            const int card = FoundationBase(f) + i;
            s.foundationCards[f][i] = card;
            CardView& view = c.board.Card(card);
            view = CardView{FoundationLeft(f) + kCardInsetX, kFoundationTop + kCardInsetY, true, CardSide::Face,
                1, true, PointerShape::Arrow, CardName(card), false, 1, view.z};
            c.board.BringCardToFront(card);
        }
        c.board.FoundationImage(f).visible = true;
        placer_.UpdateFoundationHint(f, count);
    }
    for (int p = 1; p <= kPileCount; ++p) {
        const auto& cards = position.piles[static_cast<std::size_t>(p - 1)];
        s.pileCards[p].fill(-1);
        s.pileCount[p] = static_cast<int>(cards.size());
        for (std::size_t i = 0; i < cards.size(); ++i) {
            const int card = cards[i];
            s.pileCards[p][i + 1] = card;
            CardView& view = c.board.Card(card);
            view = CardView{PileFrameLeft(p) + kCardInsetX, PileFrameTop(p) + kCardInsetY, true, CardSide::Face, 1,
                true, PointerShape::Hand, CardName(card), false, p, view.z};
            c.board.BringCardToFront(card);
        }
        c.board.PileFrame(p).visible = true;
        placer_.UpdatePileFrameHint(p, s.pileCount[p]);
    }
    s.points = 0;
    s.moves = 0;
    c.board.points.text = ScoreKeeper::PointsText(0);
    c.board.moves.text = ScoreKeeper::MovesText(0);
    s.reshufflesUsed = position.reshufflesUsed;
    const int remaining = ReshufflesAllowed(s.level) - s.reshufflesUsed;
    c.board.reshuffleGo.visible = remaining > 0;
    c.board.reshuffleStop.visible = remaining <= 0;
    c.board.blinkerEnabled = false;
    c.board.status = LabelView{c.board.status.left, c.board.status.top, ReshufflesLeftText(remaining), true,
        kStatusWhite};
    s.tipText.clear();
    s.hintSource = 0;
    s.hintTarget = 0;
    s.ready = true;
    s.quietStart = false;
    s.outcome = GameOutcome::Playing;
    c.host.RepaintTable();
}

} // namespace lumo
