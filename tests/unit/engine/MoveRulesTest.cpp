// Drops, refused drops, the automatic filing and the flight.

#include "EngineFixture.h"
#include "engine/BoardGeometry.h"
#include "engine/FoundationFlight.h"

namespace lumo::test {
namespace {

class MoveRulesTest : public EngineFixture {};

TEST_F(MoveRulesTest, PointInFrameIncludesBothEdges)
{
    // Pile 8: Left 145, Top 240.
    EXPECT_TRUE(Game::PointInFrame(145, 240, 8));
    EXPECT_TRUE(Game::PointInFrame(145 + 86, 240 + 110, 8));
    EXPECT_FALSE(Game::PointInFrame(144, 300, 8));
    EXPECT_FALSE(Game::PointInFrame(200, 351, 8));
    EXPECT_FALSE(Game::PointInFrame(232, 300, 8));
}

TEST_F(MoveRulesTest, DropTargetByPointerPositionLevelAndSuit)
{
    struct Case {
        const char* what;
        int level;
        int card;
        TablePoint pointer;
        int expected;
    };
    // Pile 1: Herz Vier on top; pile 2: Pik Vier; pile 3: Kreuz König over Kreuz Zwei;
    // pile 4: Karo König alone; pile 5 empty; pile 8: Herz Sieben.
    const int row1Centre = 180;
    const Case cases[] = {
        {"same suit one higher", 1, Herz(3), {68, row1Centre}, 1},
        {"same value other suit", 1, Pik(3), {68, row1Centre}, 0},
        {"pile under the pointer fits", 1, Pik(3), {188, row1Centre}, 2},
        {"pointer above the drop line", 1, Herz(3), {68, 139}, 0},
        {"pointer on the drop line", 1, Herz(3), {68, 140}, 1},
        {"not one higher", 1, Herz(2), {68, row1Centre}, 0},
        {"no frame under the pointer", 1, Herz(3), {10, row1Centre}, 0},
        {"König onto empty pile at level 1", 1, Kreuz(13), {668, row1Centre}, 0},
        {"König onto empty pile 5 at level 1", 1, Kreuz(13), {548, row1Centre}, 5},
        {"König onto a card at level 1", 1, Karo(13), {68, row1Centre}, 0},
        {"König onto empty pile at level 2", 2, Kreuz(13), {548, row1Centre}, 0},
        // Pile 12 holds the Karo As, whose number follows the Kreuz König's.
        {"Kreuz König is not below the Karo As", 2, Kreuz(13), {PileFrameLeft(12) + 43, PileFrameTop(12) + 55}, 0},
    };
    for (const Case& c : cases) {
        SetPiles({{1, {Kreuz(5), Herz(4)}}, {2, {Pik(4)}}, {3, {Kreuz(2), Kreuz(13)}}, {4, {Karo(13)}},
                     {6, {Pik(9), Pik(8)}}, {8, {Herz(7)}}, {12, {Karo(1)}}},
            c.level, 0, {0, 0, 0, 0});
        host.pointer = c.pointer;
        EXPECT_EQ(game.FindDropTarget(c.card), c.expected) << c.what;
    }
}

TEST_F(MoveRulesTest, AcceptedDropMovesScoresAndCountsAMove)
{
    SetPiles({{1, {Pik(9), Herz(4)}}, {5, {Kreuz(9), Herz(3)}}, {6, {Pik(5)}}, {7, {Pik(6)}}}, 1);
    const int points = game.Points();
    EXPECT_EQ(DropOnPile(Herz(3), 1), 1);
    EXPECT_EQ(game.PileCount(1), 3);
    EXPECT_EQ(game.PileCard(1, 3), Herz(3));
    EXPECT_EQ(game.PileCount(5), 1);
    EXPECT_EQ(game.State().pileCards[5][2], -1);
    EXPECT_EQ(game.Board().Card(Herz(3)).stapel, 1);
    EXPECT_EQ(game.Board().Card(Herz(3)).left, PileFrameLeft(1) + 7);
    EXPECT_EQ(game.Board().Card(Herz(3)).top, PileFrameTop(1) + 8);
    EXPECT_EQ(game.Points(), points + 20);
    EXPECT_EQ(game.Moves(), 1);
    EXPECT_EQ(game.Board().highlightedPile, 1);
    EXPECT_EQ(host.tones.back(), (Tone{1600, 5, 15}));
}

TEST_F(MoveRulesTest, KingGoesToAnEmptyPileOnlyAtLevelOne)
{
    SetPiles({{1, {Pik(2), Kreuz(13)}}, {2, {Herz(9)}}}, 1);
    EXPECT_EQ(DropOnPile(Kreuz(13), 7), 7);
    EXPECT_EQ(game.PileCount(7), 1);

    SetPiles({{1, {Pik(2), Kreuz(13)}}, {2, {Herz(9)}}}, 2);
    EXPECT_EQ(DropOnPile(Kreuz(13), 7), 0);
    EXPECT_EQ(game.PileCount(1), 2);
}

TEST_F(MoveRulesTest, RefusedDropsGoBackAndCostFivePointsOnlyWhenFar)
{
    SetPiles({{1, {Pik(2), Kreuz(13)}}, {2, {Herz(9)}}}, 3);
    const CardView& king = game.Board().Card(Kreuz(13));
    const TablePoint origin{king.left, king.top};
    struct Case {
        int dx;
        int dy;
        int penalty;
    };
    const Case cases[] = {{71, 0, 0}, {72, 0, 5}, {-71, 96, 0}, {-72, 0, 5}, {0, 97, 5}, {0, -97, 5}, {30, -96, 0}};
    host.pointer = {300, 400}; // nowhere to drop
    for (const Case& c : cases) {
        const int points = game.Points();
        game.MoveCard(Kreuz(13), origin.x + c.dx, origin.y + c.dy);
        EXPECT_EQ(game.CompleteDrop(Kreuz(13), origin), 0);
        EXPECT_EQ(game.Points(), points - c.penalty) << c.dx << "," << c.dy;
        EXPECT_EQ(king.left, origin.x);
        EXPECT_EQ(king.top, origin.y);
        EXPECT_EQ(game.Moves(), 0);
    }
}

TEST_F(MoveRulesTest, TenFarRefusedDropsCostFiftyAndPointsGoNegative)
{
    SetPiles({{1, {Pik(2), Herz(10)}}, {2, {Herz(9)}}}, 2);
    game.SetPoints(20, false);
    const CardView& card = game.Board().Card(Herz(10));
    const TablePoint origin{card.left, card.top};
    host.pointer = {60, 120};
    for (int i = 0; i < 10; ++i) {
        game.MoveCard(Herz(10), origin.x + 200, origin.y + 200);
        game.CompleteDrop(Herz(10), origin);
    }
    EXPECT_EQ(game.Points(), -30);
    EXPECT_EQ(game.Board().points.text, "Punkte:" + std::string(11, ' ') + "-30");
}

TEST_F(MoveRulesTest, OnlyTheTopCardOfAPileCanBeDropped)
{
    SetPiles({{1, {Herz(3), Pik(2)}}, {2, {Herz(4)}}}, 1);
    const CardView& card = game.Board().Card(Herz(3));
    const TablePoint origin{card.left, card.top};
    EXPECT_EQ(DropOnPile(Herz(3), 2), 0);
    EXPECT_EQ(card.left, origin.x);
    EXPECT_EQ(game.PileCount(1), 2);
    EXPECT_FALSE(game.IsTopCard(Herz(3)));
    EXPECT_TRUE(game.IsTopCard(Pik(2)));
}

class FilingRecorder : public GameObserver {
public:
    void OnFiled(int card, int foundation) override { filed.push_back({card, foundation}); }
    std::vector<std::pair<int, int>> filed;
};

TEST_F(MoveRulesTest, FilingOrderIsKaroHerzPikKreuzThenLowestPile)
{
    FilingRecorder recorder;
    game.SetObserver(&recorder);
    SetPiles({{2, {Kreuz(7), Kreuz(1)}}, {9, {Pik(6), Karo(1)}}, {4, {Herz(2), Herz(1)}}, {3, {Pik(8), Pik(1)}},
        {1, {Pik(13), Karo(2)}}});
    game.Evaluate();
    const std::vector<std::pair<int, int>> expected = {
        {Karo(1), 1}, {Karo(2), 1}, {Herz(1), 2}, {Herz(2), 2}, {Pik(1), 3}, {Kreuz(1), 4}};
    EXPECT_EQ(recorder.filed, expected);
    EXPECT_EQ(game.FoundationCount(1), 2);
    EXPECT_EQ(game.FoundationCard(1, 2), Karo(2));
    EXPECT_EQ(game.FoundationCount(4), 1);
    EXPECT_EQ(game.Points(), 6 * 30);
    EXPECT_EQ(game.Board().Card(Karo(1)).cursor, PointerShape::Arrow);
    EXPECT_EQ(game.Board().Card(Karo(1)).stapel, 9); // filed cards keep their pile
    EXPECT_EQ(game.Board().FoundationImage(1).hint, "2 Karten.\r\nKlicke auf den Rahmen,\r\num die Karten zu sehen!");
    EXPECT_EQ(game.Board().FoundationImage(4).hint, "Eine Karte ist abgelegt.");
    EXPECT_EQ(game.Board().FoundationImage(4).cursor, PointerShape::Arrow);
    EXPECT_EQ(game.Board().FoundationImage(1).cursor, PointerShape::Hand);
    game.SetObserver(nullptr);
}

TEST_F(MoveRulesTest, MoveThatUncoversAnAsFilesTheWholeRun)
{
    FilingRecorder recorder;
    game.SetObserver(&recorder);
    SetPiles({{1, {Pik(3), Pik(1), Pik(2), Herz(5)}}, {2, {Kreuz(9), Herz(6)}}, {3, {Herz(11)}}});
    EXPECT_EQ(DropOnPile(Herz(5), 2), 2);
    // Pik Zwei lies on top after the move but the As is beneath it: nothing fits.
    EXPECT_TRUE(recorder.filed.empty());

    SetPiles({{1, {Pik(3), Pik(2), Pik(1), Herz(5)}}, {2, {Kreuz(9), Herz(6)}}, {3, {Herz(11)}}});
    EXPECT_EQ(DropOnPile(Herz(5), 2), 2);
    const std::vector<std::pair<int, int>> run = {{Pik(1), 3}, {Pik(2), 3}, {Pik(3), 3}};
    EXPECT_EQ(recorder.filed, run);
    EXPECT_EQ(game.Moves(), 1); // filings are not moves
    EXPECT_EQ(game.PileCount(1), 0);
    game.SetObserver(nullptr);
}

TEST_F(MoveRulesTest, FullFoundationTakesNoFurtherCard)
{
    // Karo is complete on foundation 1; its top + 1 is the Herz As, which must
    // go to foundation 2 all the same.
    FilingRecorder recorder;
    game.SetObserver(&recorder);
    SetPiles({{5, {Pik(9), Herz(1)}}, {6, {Herz(12)}}}, 1, 0, {13, 0, 0, 0});
    game.Evaluate();
    const std::vector<std::pair<int, int>> expected = {{Herz(1), 2}};
    EXPECT_EQ(recorder.filed, expected);
    EXPECT_EQ(game.FoundationCount(1), 13);
    EXPECT_EQ(game.FoundationCount(2), 1);
    game.SetObserver(nullptr);
}

TEST_F(MoveRulesTest, FlightStepsThirtySidewaysThenTwentyFourAndEightUp)
{
    // Karo Zwei from pile 12 (card at 632, 248) to foundation 1 (card at 152, 13).
    SetPiles({{12, {Pik(10), Karo(2)}}, {3, {Herz(9)}}}, 1, 0, {1, 0, 0, 0});
    host.cardRepaints.clear();
    game.Evaluate();
    std::vector<std::pair<int, int>> path;
    for (const CardFrame& frame : host.cardRepaints)
        if (frame.card == Karo(2))
            path.push_back({frame.left, frame.top});
    std::vector<std::pair<int, int>> expected;
    for (int left = 602; left >= 152; left -= 30) // 480 pixels: sixteen steps of 30
        expected.push_back({left, 248});
    for (int top = 224; top >= 8; top -= 24) // 24 up while above 29, which ends at 8
        expected.push_back({152, top});
    expected.push_back({152, 13}); // laid on the foundation
    expected.push_back({152, 13}); // and redrawn by the placement
    EXPECT_EQ(path, expected);
    static_assert(FoundationFlight::kSidewaysStep == 30 && FoundationFlight::kUpwardStep == 24);
}

TEST_F(MoveRulesTest, EveryFlightStepIsShownForAFrame)
{
    // The flight processes no events; unless each step is put on the screen
    // the player sees the card jump instead of fly.
    SetPiles({{12, {Pik(10), Karo(2)}}, {3, {Herz(9)}}}, 1, 0, {1, 0, 0, 0});
    host.cardRepaints.clear();
    host.presentedFrames.clear();
    game.Evaluate();
    std::vector<std::pair<int, int>> shown;
    for (const CardFrame& frame : host.presentedFrames) {
        EXPECT_EQ(frame.card, Karo(2));
        shown.push_back({frame.left, frame.top});
    }
    std::vector<std::pair<int, int>> expected;
    for (int left = 602; left >= 152; left -= 30)
        expected.push_back({left, 248});
    for (int top = 224; top >= 8; top -= 24)
        expected.push_back({152, top});
    EXPECT_EQ(shown, expected);
}

TEST_F(MoveRulesTest, QuietFirstDealShowsNoFlightFrames)
{
    host.presentedFrames.clear();
    game.StartFirstGame();
    EXPECT_TRUE(host.presentedFrames.empty());
}

TEST_F(MoveRulesTest, LastUpwardStepIsEight)
{
    // A card dropped by hand high up on row 1 files from Top 40: 40 > 29 gives
    // 16; from Top 28 the step is 8 (28 > 22 but not > 29).
    SetPiles({{1, {Pik(10), Karo(2)}}, {3, {Herz(9)}}}, 1, 0, {1, 0, 0, 0});
    game.MoveCard(Karo(2), 152, 28);
    host.cardRepaints.clear();
    game.Evaluate();
    ASSERT_FALSE(host.cardRepaints.empty());
    EXPECT_EQ(host.cardRepaints.front().card, Karo(2));
    EXPECT_EQ(host.cardRepaints.front().top, 20);
    EXPECT_EQ(host.cardRepaints.back().top, 13);
}

} // namespace
} // namespace lumo::test
