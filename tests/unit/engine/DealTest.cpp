// The deal, the new-game command and its guard.

#include "EngineFixture.h"
#include "engine/BoardGeometry.h"

#include <algorithm>
#include <set>

namespace lumo::test {
namespace {

class DealRecorder : public GameObserver {
public:
    explicit DealRecorder(const Game& game) : game_(game) {}
    void OnDealt(const PileSnapshot& piles) override
    {
        dealt = piles;
        pointsAtDeal = game_.Points();
        for (int card = 1; card <= kCardCount; ++card)
            stapelAtDeal[static_cast<std::size_t>(card)] = game_.Board().Card(card).stapel;
    }
    void OnFiled(int card, int foundation) override { filed.push_back({card, foundation}); }

    PileSnapshot dealt;
    int pointsAtDeal = 0;
    std::array<int, kCardCount + 1> stapelAtDeal{};
    std::vector<std::pair<int, int>> filed;

private:
    const Game& game_;
};

class DealTest : public EngineFixture {
protected:
    DealRecorder recorder{game};
    void SetUp() override { game.SetObserver(&recorder); }
};

TEST_F(DealTest, DealsThreeToAPileAndTheLastCardAloneOnPile18)
{
    game.StartFirstGame();
    std::set<int> seen;
    for (int p = 1; p <= kPileCount; ++p) {
        const auto& pile = recorder.dealt[static_cast<std::size_t>(p - 1)];
        EXPECT_EQ(pile.size(), p == 18 ? 1u : 3u) << "pile " << p;
        for (int card : pile) {
            EXPECT_TRUE(seen.insert(card).second) << "card " << card << " dealt twice";
            EXPECT_EQ(recorder.stapelAtDeal[static_cast<std::size_t>(card)], p) << "card " << card;
        }
    }
    EXPECT_EQ(seen.size(), 52u);
    EXPECT_EQ(*seen.begin(), 1);
    EXPECT_EQ(*seen.rbegin(), 52);
    EXPECT_GE(random.seedings, 1);
}

TEST_F(DealTest, PointsAfterALevelOneDealAre1040Plus30PerFiledCard)
{
    game.StartFirstGame();
    EXPECT_EQ(recorder.pointsAtDeal, 1040);
    EXPECT_EQ(game.Points(), 1040 + 30 * static_cast<int>(recorder.filed.size()));
    EXPECT_EQ(game.Board().points.text, "Punkte:" + std::string(11, ' ') + std::to_string(game.Points()));
    EXPECT_EQ(game.Moves(), 0);
    EXPECT_EQ(game.Board().moves.text, "Züge:" + std::string(14, ' ') + "0");
    EXPECT_TRUE(game.ClockRunning());
    EXPECT_FALSE(game.QuietStart());
}

TEST_F(DealTest, PointsAfterDealFollowTheLevel)
{
    for (int level : {2, 3}) {
        recorder.filed.clear();
        game.bt_stufe_Click(level);
        EXPECT_EQ(recorder.pointsAtDeal, 52 * 10 * (level + 1));
        EXPECT_EQ(game.Points(), 52 * 10 * (level + 1) + 15 * (level + 1) * static_cast<int>(recorder.filed.size()));
        EXPECT_EQ(game.Board().level.text, std::to_string(level));
        EXPECT_EQ(game.Board().level.top, level == 2 ? 54 : 77);
        EXPECT_EQ(game.Board().status.text, "Du darfst noch\r\n" + std::to_string(4 - level) + " mal mischen");
    }
}

TEST_F(DealTest, EveryFittingCardIsFiledAfterTheDeal)
{
    // Over many deals, no top card may still fit its foundation afterwards.
    for (int round = 0; round < 30; ++round) {
        game.bt_neuClick();
        for (int p = 1; p <= kPileCount; ++p) {
            if (game.PileCount(p) == 0)
                continue;
            const int top = game.PileCard(p, game.PileCount(p));
            const int f = FoundationOfCard(top);
            EXPECT_NE(top, game.State().TopOfFoundation(f) + 1) << "round " << round << " pile " << p;
        }
    }
}

// Repaints of a filed card somewhere between its pile and its foundation.
long InFlightFrames(const std::vector<CardFrame>& repaints, int card)
{
    const int f = FoundationOfCard(card);
    return std::count_if(repaints.begin(), repaints.end(), [&](const CardFrame& frame) {
        const bool atFoundation = frame.left == FoundationLeft(f) + kCardInsetX && frame.top == kFoundationTop + kCardInsetY;
        const bool onPileRows = frame.top >= PileFrameTop(1) + kCardInsetY;
        return frame.card == card && !atFoundation && !onPileRows;
    });
}

TEST_F(DealTest, FirstDealIsSilentAndDoesNotFlyLaterDealsSoundAndFly)
{
    game.StartFirstGame();
    EXPECT_TRUE(host.tones.empty());
    for (const auto& [card, f] : recorder.filed)
        EXPECT_EQ(InFlightFrames(host.cardRepaints, card), 0) << "card " << card;

    // Later deals until one of them files something.
    recorder.filed.clear();
    for (int round = 0; round < 20 && recorder.filed.empty(); ++round) {
        host.tones.clear();
        host.cardRepaints.clear();
        game.bt_neuClick();
    }
    ASSERT_FALSE(recorder.filed.empty());
    const auto placeTones = std::count(host.tones.begin(), host.tones.end(), Tone{1600, 5, 15});
    const auto fileTones = std::count(host.tones.begin(), host.tones.end(), Tone{900, 20, 20});
    EXPECT_EQ(placeTones, 52);
    EXPECT_EQ(fileTones, static_cast<long>(recorder.filed.size()));
    for (const auto& [card, f] : recorder.filed)
        EXPECT_GT(InFlightFrames(host.cardRepaints, card), 0) << "card " << card;
}

TEST_F(DealTest, NoTonesWithoutWaveOutputOrWithSoundSwitchedOff)
{
    game.StartFirstGame();
    host.waveOutput = false;
    game.bt_neuClick();
    host.waveOutput = true;
    host.soundSwitch = false;
    game.bt_neuClick();
    EXPECT_TRUE(host.tones.empty());
}

TEST_F(DealTest, NewGameReenteredFromInsideADelayDoesNothing)
{
    game.StartFirstGame();
    int reentries = 0;
    host.onDelay = [&] {
        ++reentries;
        game.bt_neuClick();
        game.bt_stufe_Click(3);
        game.bild_goClick(true);
    };
    const int seedingsBefore = random.seedings;
    game.bt_neuClick();
    EXPECT_EQ(reentries, 52);
    EXPECT_EQ(random.seedings, seedingsBefore + 1); // one deal, no reshuffle
    EXPECT_EQ(game.Level(), 1);
    EXPECT_EQ(game.ReshufflesUsed(), 0);
    int cards = 0;
    for (int p = 1; p <= kPileCount; ++p)
        cards += game.PileCount(p);
    for (int f = 1; f <= kFoundationCount; ++f)
        cards += game.FoundationCount(f);
    EXPECT_EQ(cards, 52);

    host.onDelay = nullptr;
    game.bt_neuClick(); // the guard is cleared afterwards
    EXPECT_EQ(random.seedings, seedingsBefore + 2);
}

TEST_F(DealTest, DropsArrivingDuringTheDealAreRefused)
{
    int refused = 0;
    host.onDelay = [&] {
        EXPECT_FALSE(game.DragAllowed());
        const int top = game.PileCard(1, game.PileCount(1));
        const CardView& view = game.Board().Card(top);
        if (game.CompleteDrop(top, {view.left, view.top}) == 0)
            ++refused;
    };
    game.StartFirstGame();
    EXPECT_EQ(refused, 52);
    EXPECT_EQ(game.Moves(), 0);
}

TEST_F(DealTest, NewGameShowsWaitCursorResetsCountersAndEndsReady)
{
    game.StartFirstGame();
    game.SetPoints(999, true);
    bool sawWait = false;
    std::string timeDuringDeal;
    host.onDelay = [&] {
        sawWait = sawWait || host.waitCursor;
        timeDuringDeal = game.Board().time.text;
    };
    game.bt_neuClick();
    EXPECT_TRUE(sawWait);
    EXPECT_EQ(timeDuringDeal, "Spielzeit:" + std::string(9, ' ') + "00:00:00");
    EXPECT_FALSE(host.waitCursor); // the evaluation put the arrow back
    EXPECT_TRUE(game.Ready());
    EXPECT_GE(host.keyboardDiscards, 1);
    EXPECT_LT(game.Points(), 999 + 1040);
}

} // namespace
} // namespace lumo::test
