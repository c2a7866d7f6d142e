// Counter labels and the play clock.

#include "EngineFixture.h"
#include "engine/ScoreKeeper.h"

namespace lumo::test {
namespace {

class ScoreTest : public EngineFixture {};

TEST_F(ScoreTest, LabelTextsUseElevenFourteenAndNineBlanks)
{
    EXPECT_EQ(ScoreKeeper::PointsText(1040), "Punkte:           1040");
    EXPECT_EQ(ScoreKeeper::PointsText(-15), "Punkte:           -15");
    EXPECT_EQ(ScoreKeeper::MovesText(7), "Züge:              7");
    EXPECT_EQ(ScoreKeeper::TimeText("00:00:00"), "Spielzeit:         00:00:00");
}

TEST_F(ScoreTest, ElapsedTimeFormat)
{
    struct Case {
        std::int64_t ms;
        const char* text;
    };
    const Case cases[] = {{0, "00:00:00"}, {999, "00:00:00"}, {61'000, "00:01:01"}, {3'600'000, "01:00:00"},
        {(25 * 3600 + 2 * 60 + 3) * 1000LL, "25:02:03"}, {-5000, "00:00:00"}};
    for (const Case& c : cases)
        EXPECT_EQ(ScoreKeeper::FormatElapsed(c.ms), c.text) << c.ms;
}

TEST_F(ScoreTest, ClockCountsFromTheDealAndStopsAtTheEnd)
{
    game.StartFirstGame();
    clock.now += 3'723'000;
    game.PlayClockTick();
    EXPECT_EQ(game.Board().time.text, "Spielzeit:         01:02:03");

    game.bt_neuClick();
    clock.now += 2000;
    game.PlayClockTick();
    EXPECT_EQ(game.Board().time.text, "Spielzeit:         00:00:02");

    // A win stops the clock; the display keeps its last time.
    SetPiles({{18, {Kreuz(13)}}}, 1, 0, {13, 13, 13, 12});
    game.Evaluate();
    clock.now += 60'000;
    game.PlayClockTick();
    EXPECT_EQ(game.Board().time.text, "Spielzeit:         00:00:02");
}

TEST_F(ScoreTest, HareCatchAndCountersAddOrSet)
{
    game.StartFirstGame();
    const int points = game.Points();
    game.SetPoints(10, true);
    EXPECT_EQ(game.Points(), points + 10);
    game.SetPoints(-3, false);
    EXPECT_EQ(game.Board().points.text, "Punkte:           -3");
    game.SetMoves(2, true);
    game.SetMoves(1, true);
    EXPECT_EQ(game.Moves(), 3);
    EXPECT_EQ(game.Board().moves.text, "Züge:              3");
}

} // namespace
} // namespace lumo::test
