#include "engine/GameEnd.h"

#include "engine/CardFace.h"
#include "engine/EngineContext.h"
#include "engine/ScoreKeeper.h"
#include "engine/StatusTexts.h"

#include <array>

namespace lumo {

namespace {
constexpr std::array<HeartPlace, 13> kKaroPlaces = {{{306, 189}, {290, 176}, {267, 161}, {248, 146},
    {220, 166}, {216, 186}, {222, 211}, {236, 230}, {252, 254}, {266, 274}, {282, 293}, {296, 314},
    {316, 341}}};
constexpr std::array<HeartPlace, 13> kHerzPlaces = {{{377, 189}, {392, 176}, {413, 161}, {434, 146},
    {456, 166}, {468, 186}, {482, 211}, {485, 230}, {474, 254}, {454, 274}, {424, 293}, {394, 314},
    {387, 341}}};
constexpr int kKreuz = 0, kKaro = 1, kHerz = 2, kPik = 3;

int Face(int suit, int value) { return suit * 13 + value; }

} // namespace

HeartPlace GameEnd::KaroPlace(int value) { return kKaroPlaces.at(static_cast<std::size_t>(value - 1)); }
HeartPlace GameEnd::HerzPlace(int value) { return kHerzPlaces.at(static_cast<std::size_t>(value - 1)); }

void GameEnd::GameWon()
{
    EngineContext& c = context_;
    GameState& s = c.state;
    BusyScope busy(c);
    const int points = s.points;
    {
        WaitCursorScope cursor(c);
        c.host.CloseMenu();
        c.board.reshuffleGo.cursor = PointerShape::Arrow;
        s.tipText = " Hurra, gewonnen.";
        s.hintSource = 0;
        s.hintTarget = 0;
        c.host.SetApplicationHint("Hurra, gewonnen");
        c.host.StopAnimation();
        s.ready = false;
        s.outcome = GameOutcome::Won;
        score_.StopClock();
        s.tipText.clear();
        c.board.reshuffleGo.visible = false;
        c.board.reshuffleStop.visible = false;
        c.SetStatusText("");
        for (int card = 1; card <= kCardCount; ++card) {
            CardView& view = c.board.Card(card);
            view.left = 34;
            view.top = 15;
            view.stapel = 0;
            c.board.BringCardToFront(card);
            view.enabled = false;
            view.backIndex = 1;
            view.hint = kWonText;
        }
        for (int f = 1; f <= kFoundationCount; ++f)
            c.board.FoundationImage(f).hint.clear();
        for (int p = 1; p <= kPileCount; ++p)
            c.board.PileFrame(p).visible = false;
        LayHeart();
        c.host.SetApplicationHint(kWonText);
        c.host.RepaintTable();
        c.host.Delay(2);
        if (c.SoundOn())
            c.host.PlayApplause();
        c.host.Delay(8);
    }
    // The won game's points, even if something changed them meanwhile.
    c.host.OfferHighScoreEntry(points);
}

void GameEnd::LayHeart()
{
    EngineContext& c = context_;
    for (int value = 1; value <= 13; ++value) {
        const HeartPlace karo = KaroPlace(value);
        const HeartPlace herz = HerzPlace(value);
        const auto place = [&](int suit, int left, int top, CardSide side) {
            CardView& view = c.board.Card(Face(suit, value));
            view.left = left;
            view.top = top;
            view.site = side;
            view.visible = true;
        };
        place(kKaro, karo.left, karo.top, CardSide::Face);
        place(kHerz, herz.left, herz.top, CardSide::Face);
        place(kKreuz, karo.left - 10, karo.top + 10, CardSide::Back);
        place(kPik, herz.left + 10, herz.top + 10, CardSide::Back);
    }
    for (int value = 1; value <= 13; ++value)
        c.board.BringCardToFront(Face(kKaro, value));
    c.host.Delay(1);
    for (int value = 1; value <= 13; ++value)
        c.board.BringCardToFront(Face(kHerz, value));
    c.host.Delay(1);
}

void GameEnd::GameLost()
{
    EngineContext& c = context_;
    GameState& s = c.state;
    c.host.CloseMenu();
    c.host.SetApplicationHint(c.board.status.text);
    c.SetStatusText(kLostStatusText);
    s.hintSource = 0;
    s.hintTarget = 0;
    score_.StopClock();
    s.tipText = kLostText;
    s.outcome = GameOutcome::Lost;
    for (int f = 1; f <= kFoundationCount; ++f)
        c.board.FoundationImage(f).hint = kLostText;
    for (int p = 1; p <= kPileCount; ++p)
        c.board.PileFrame(p).hint = kLostText;
    for (int card = 1; card <= kCardCount; ++card) {
        c.board.Card(card).hint = kLostText;
        c.board.Card(card).enabled = false;
    }
    c.host.RepaintTable();
    if (c.host.AskQuestion("Leider hast Du verloren.\r\nNeues Spiel beginnen?"))
        startNewGame_();
}

} // namespace lumo
