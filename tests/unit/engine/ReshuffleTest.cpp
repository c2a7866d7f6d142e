// Reshuffles, their allowance per level and the level buttons.

#include "EngineFixture.h"

#include <algorithm>

namespace lumo::test {
namespace {

class RedealRecorder : public GameObserver {
public:
    explicit RedealRecorder(const Game& game) : game_(game) {}
    void OnRedealt(const PileSnapshot& piles) override
    {
        redealt = piles;
        pointsAtRedeal = game_.Points();
        statuses.push_back(game_.Board().status.text);
        whiteAndSteady = game_.Board().status.color == kStatusWhite && !game_.Board().blinkerEnabled
            && game_.Board().status.visible;
    }
    PileSnapshot redealt;
    int pointsAtRedeal = 0;
    std::vector<std::string> statuses;
    bool whiteAndSteady = false;

private:
    const Game& game_;
};

std::string Left(int n) { return "Du darfst noch\r\n" + std::to_string(n) + " mal mischen"; }
const std::string kNoneLeft = "Du darfst jetzt\r\nnicht mehr mischen";

class ReshuffleTest : public EngineFixture {
protected:
    RedealRecorder recorder{game};
    void SetUp() override { game.SetObserver(&recorder); }
    ~ReshuffleTest() override { game.SetObserver(nullptr); }

    // Twenty cards, none of which fits a foundation or another card.
    void SetTwentyCards(int level)
    {
        SetPiles({{1, {Kreuz(3), Karo(5), Herz(7)}}, {3, {Pik(9), Kreuz(11)}}, {4, {Karo(3), Herz(5), Pik(7)}},
                     {8, {Kreuz(9), Karo(11)}}, {10, {Herz(3), Pik(5), Kreuz(7)}}, {11, {Karo(9), Herz(11)}},
                     {15, {Pik(3), Kreuz(5), Karo(7)}}, {18, {Herz(13), Pik(11)}}},
            level, 0, {1, 1, 1, 1});
    }
};

TEST_F(ReshuffleTest, TwentyCardsFillPilesOneToSixAndTwoOnSeven)
{
    SetTwentyCards(1);
    game.bild_goClick(true);
    for (int p = 1; p <= 18; ++p) {
        const std::size_t expected = p <= 6 ? 3 : p == 7 ? 2 : 0;
        EXPECT_EQ(recorder.redealt[static_cast<std::size_t>(p - 1)].size(), expected) << "pile " << p;
        for (int card : recorder.redealt[static_cast<std::size_t>(p - 1)])
            EXPECT_EQ(game.Board().Card(card).stapel, p);
    }
    EXPECT_EQ(recorder.pointsAtRedeal, 20 * 20);
    EXPECT_EQ(game.Moves(), 0);
    EXPECT_EQ(game.ReshufflesUsed(), 1);
    // Cards on the foundations are never gathered.
    for (int f = 1; f <= 4; ++f)
        EXPECT_GE(game.FoundationCount(f), 1);
    int redealtCards = 0;
    for (const auto& pile : recorder.redealt)
        for (int card : pile) {
            EXPECT_NE(CardValue(card), 1) << card;
            ++redealtCards;
        }
    EXPECT_EQ(redealtCards, 20);
    EXPECT_FALSE(host.waitCursor);
    EXPECT_EQ(std::count(host.tones.begin(), host.tones.end(), Tone{2000, 5, 20}), 1);
    EXPECT_EQ(std::count(host.tones.begin(), host.tones.end(), Tone{1600, 5, 15}), 20);
}

TEST_F(ReshuffleTest, LevelOneAllowsThreeThenShowsStop)
{
    SetTwentyCards(1);
    EXPECT_EQ(game.Board().status.text, Left(3));
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(game.Board().reshuffleGo.visible) << i;
        EXPECT_FALSE(game.Board().reshuffleStop.visible);
        game.bild_goClick(true);
    }
    EXPECT_EQ(recorder.statuses, (std::vector<std::string>{Left(2), Left(1), kNoneLeft}));
    EXPECT_EQ(game.ReshufflesUsed(), 3);
    EXPECT_FALSE(game.Board().reshuffleGo.visible);
    EXPECT_TRUE(game.Board().reshuffleStop.visible);
    EXPECT_EQ(game.Board().reshuffleStop.hint, "Du kannst nicht mehr mischen!");
}

TEST_F(ReshuffleTest, LevelThreeFirstReshuffleIsTheLast)
{
    SetTwentyCards(3);
    EXPECT_EQ(game.Board().status.text, Left(1));
    host.answer = false;
    game.bild_goClick(true);
    EXPECT_FALSE(game.Board().reshuffleGo.visible);
    EXPECT_TRUE(game.Board().reshuffleStop.visible);
    EXPECT_EQ(game.ReshufflesUsed(), 1);
    EXPECT_EQ(recorder.statuses, (std::vector<std::string>{kNoneLeft}));
}

TEST_F(ReshuffleTest, ReshuffleWhileStuckStopsTheBlinkingAndTurnsWhite)
{
    SetPiles({{1, {Pik(2), Herz(9)}}, {2, {Kreuz(4)}}}, 1);
    game.Evaluate();
    ASSERT_TRUE(game.Board().blinkerEnabled);
    game.t_blinkerTimer(); // label hidden by a blink
    game.bild_goClick(true);
    EXPECT_TRUE(recorder.whiteAndSteady);
    EXPECT_EQ(recorder.statuses, (std::vector<std::string>{Left(2)}));
    // Three cards redealt onto pile 1 still cannot move: stuck again.
    EXPECT_EQ(game.PileCount(1), 3);
    EXPECT_EQ(game.Outcome(), GameOutcome::Stuck);
    EXPECT_TRUE(game.Board().blinkerEnabled);
}

TEST_F(ReshuffleTest, StopImageClickOnlyResetsTheLabel)
{
    SetPiles({{1, {Pik(2), Herz(9)}}, {2, {Kreuz(4)}}}, 1);
    game.Evaluate();
    const int seedings = random.seedings;
    game.bild_goClick(false);
    EXPECT_FALSE(game.Board().blinkerEnabled);
    EXPECT_EQ(game.Board().status.text, "Bitte warten ...");
    EXPECT_EQ(game.Board().status.color, kStatusWhite);
    EXPECT_EQ(game.ReshufflesUsed(), 0);
    EXPECT_EQ(random.seedings, seedings);
}

TEST_F(ReshuffleTest, LevelButtonStartsANewGameAtThatLevel)
{
    game.StartFirstGame();
    game.bt_stufe_Click(2);
    EXPECT_EQ(game.Level(), 2);
    EXPECT_EQ(game.ReshufflesUsed(), 0);
    EXPECT_EQ(game.Board().status.text, Left(2));
    EXPECT_EQ(game.Board().level.text, "2");
}

TEST_F(ReshuffleTest, NewGameKeepsTheStuckBlinkingUntilAReshuffle)
{
    SetPiles({{1, {Pik(2), Herz(9)}}, {2, {Kreuz(4)}}}, 1);
    game.Evaluate();
    game.bt_neuClick();
    EXPECT_TRUE(game.Board().blinkerEnabled);
    EXPECT_EQ(game.Board().status.color, kStatusDarkRed);
    EXPECT_EQ(game.Board().status.text, Left(3));
}

} // namespace
} // namespace lumo::test
