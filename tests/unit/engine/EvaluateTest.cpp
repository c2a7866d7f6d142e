// Hints, the stuck and lost positions, and the win.

#include "EngineFixture.h"
#include "engine/GameEnd.h"
#include "engine/TableFlash.h"

namespace lumo::test {
namespace {

const std::string kStuck = "Kein Zug mehr möglich.\r\nBitte neu mischen!";

class EvaluateTest : public EngineFixture {};

TEST_F(EvaluateTest, HintTakesTheFirstSourcePile)
{
    SetPiles({{2, {Pik(9)}}, {7, {Pik(10)}}, {1, {Herz(3)}}, {12, {Herz(4)}}});
    EXPECT_TRUE(game.Evaluate());
    EXPECT_EQ(game.TipText(), "Tipp!\r\nHerz Drei\r\nauf Herz Vier");
    EXPECT_EQ(game.HintSource(), Herz(3));
    EXPECT_EQ(game.HintTarget(), Herz(4));
    EXPECT_EQ(game.Outcome(), GameOutcome::Playing);
}

TEST_F(EvaluateTest, LevelOneKingHintForAnEmptyPile)
{
    SetPiles({{1, {Pik(2)}}, {2, {Pik(3)}}, {3, {Herz(5)}}, {5, {Kreuz(5), Kreuz(4), Herz(7), Karo(9), Pik(13)}},
                 {6, {Herz(6)}}, {7, {Kreuz(7)}}, {8, {Kreuz(8)}}, {9, {Kreuz(9)}}, {10, {Kreuz(10)}},
                 {11, {Kreuz(11)}}, {12, {Kreuz(12)}}, {13, {Herz(8)}}, {14, {Herz(9)}}, {15, {Herz(10)}},
                 {16, {Herz(11)}}, {17, {Herz(12)}}, {18, {Herz(13)}}},
        1);
    EXPECT_TRUE(game.Evaluate());
    EXPECT_EQ(game.TipText(), "Tipp!\r\nPik König\r\nauf leeres Feld setzen!");
    EXPECT_EQ(game.HintSource(), Pik(13));
    EXPECT_EQ(game.HintTarget(), 0);
    EXPECT_EQ(game.Board().PileFrame(4).hint, "Du kannst hierher\r\neinen König setzen!");
    EXPECT_EQ(game.Board().PileFrame(1).hint, "Eine Karte ist abgelegt.");
    EXPECT_EQ(game.Board().PileFrame(5).hint, "5 Karten.\r\nKlicke auf den Rahmen,\r\num die Karten zu sehen!");
    EXPECT_EQ(game.Board().PileFrame(5).cursor, PointerShape::Hand);
}

TEST_F(EvaluateTest, HighestPileKingWinsTheKingHint)
{
    SetPiles({{2, {Pik(2), Karo(13)}}, {9, {Herz(2), Kreuz(13)}}, {10, {Pik(5)}}}, 1);
    game.Evaluate();
    EXPECT_EQ(game.HintSource(), Kreuz(13));
}

TEST_F(EvaluateTest, KingAloneGivesNoKingHint)
{
    SetPiles({{1, {Pik(13)}}, {2, {Herz(3)}}, {3, {Herz(4)}}}, 1);
    EXPECT_TRUE(game.Evaluate());
    EXPECT_EQ(game.TipText(), "Tipp!\r\nHerz Drei\r\nauf Herz Vier");
    EXPECT_EQ(game.Board().PileFrame(4).hint, "Hier kannst Du keine\r\nKarte setzen!");
}

TEST_F(EvaluateTest, LevelTwoEmptyFramesKeepTheirPlainHint)
{
    SetPiles({{1, {Pik(2), Pik(13)}}, {2, {Herz(3)}}, {3, {Herz(4)}}}, 2);
    game.Evaluate();
    EXPECT_EQ(game.TipText(), "Tipp!\r\nHerz Drei\r\nauf Herz Vier");
    EXPECT_EQ(game.Board().PileFrame(4).hint, "Es sind keine Karten abgelegt.");
    EXPECT_EQ(game.Board().PileFrame(4).cursor, PointerShape::Arrow);
}

TEST_F(EvaluateTest, StuckPositionBlinksDarkRedFlashesAndRefusesDrags)
{
    SetPiles({{1, {Pik(2), Herz(9)}}, {2, {Kreuz(4)}}}, 1);
    EXPECT_TRUE(game.Evaluate());
    EXPECT_EQ(game.Outcome(), GameOutcome::Stuck);
    EXPECT_EQ(game.TipText(), kStuck);
    EXPECT_EQ(game.Board().status.text, kStuck);
    EXPECT_EQ(game.Board().status.color, kStatusDarkRed);
    EXPECT_EQ(host.hints.back(), kStuck);
    EXPECT_EQ(game.HintSource(), 0);
    EXPECT_FALSE(game.Ready());
    EXPECT_FALSE(game.DragAllowed());
    EXPECT_TRUE(game.Board().blinkerEnabled);
    EXPECT_EQ(host.sleeps, (std::vector<int>{150, 150, 150}));
    EXPECT_EQ(game.Board().tableEndColor, kTableEndColor);

    const bool visible = game.Board().status.visible;
    game.t_blinkerTimer();
    EXPECT_EQ(game.Board().status.visible, !visible);
    game.t_blinkerTimer();
    EXPECT_EQ(game.Board().status.visible, visible);

    // Ready again (as a new game leaves it), the stuck tip still keeps drags out.
    game.SetReady(true);
    EXPECT_FALSE(game.DragAllowed());
}

TEST_F(EvaluateTest, FlashBrightensThroughThreeGreens)
{
    EXPECT_EQ(BrightenColor(BgrColor{0x408000}), BgrColor{0x59B200});
    EXPECT_EQ(BrightenColor(BgrColor{0x59B200}), BgrColor{0x7CF800});
    EXPECT_EQ(BrightenColor(BgrColor{0x7CF800}), BgrColor{0xADFF00});
    EXPECT_EQ(BrightenColor(BgrColor{0xFFFFFF}), BgrColor{0xFFFFFF});
}

TEST_F(EvaluateTest, NoMoveAndNoReshuffleLeftIsLostAndAsks)
{
    SetPiles({{1, {Pik(2), Herz(9)}}, {2, {Kreuz(4)}}}, 3, 1);
    host.answer = false;
    EXPECT_FALSE(game.Evaluate());
    EXPECT_EQ(game.Outcome(), GameOutcome::Lost);
    EXPECT_EQ(host.questions, (std::vector<std::string>{"Leider hast Du verloren.\r\nNeues Spiel beginnen?"}));
    EXPECT_EQ(game.Board().status.text, "Kein Zug möglich.\r\nLeider hast Du verloren.");
    EXPECT_EQ(game.TipText(), "Leider hast Du verloren.");
    EXPECT_EQ(game.Board().Card(Herz(9)).hint, "Leider hast Du verloren.");
    EXPECT_FALSE(game.Board().Card(Herz(9)).enabled);
    EXPECT_EQ(game.Board().PileFrame(7).hint, "Leider hast Du verloren.");
    EXPECT_FALSE(game.ClockRunning());
    EXPECT_FALSE(game.Ready());
    EXPECT_FALSE(game.DragAllowed());
    EXPECT_EQ(host.sleeps.size(), 3u);
    // The status text before the loss went to the balloon.
    EXPECT_EQ(host.hints.front(), "Du darfst jetzt\r\nnicht mehr mischen");

    // A hidden bild_go takes no reshuffle click.
    game.bild_goClick(true);
    EXPECT_EQ(game.ReshufflesUsed(), 1);
}

TEST_F(EvaluateTest, LostAnsweredYesStartsANewGame)
{
    SetPiles({{1, {Pik(2), Herz(9)}}, {2, {Kreuz(4)}}}, 2, 2);
    host.answer = true;
    EXPECT_FALSE(game.Evaluate());
    EXPECT_EQ(game.ReshufflesUsed(), 0);
    EXPECT_TRUE(game.Board().reshuffleGo.visible);
    EXPECT_NE(game.Outcome(), GameOutcome::Lost);
    EXPECT_TRUE(game.Ready());
    EXPECT_GE(game.Points(), 52 * 30);
}

TEST_F(EvaluateTest, LastFilingWinsAtOnceAndBuildsTheHeart)
{
    // Everything filed but the Kreuz König, which lies alone on pile 18.
    SetPiles({{18, {Kreuz(13)}}}, 1, 0, {13, 13, 13, 12});
    clock.now += 5000;
    game.SetPoints(4000, false);
    EXPECT_FALSE(game.Evaluate());
    EXPECT_EQ(game.Outcome(), GameOutcome::Won);
    EXPECT_FALSE(game.ClockRunning());
    EXPECT_FALSE(game.Ready());
    EXPECT_EQ(game.TipText(), "");
    EXPECT_EQ(host.highScoreOffers, (std::vector<int>{4000 + 30}));
    EXPECT_EQ(host.applauses, 1);
    EXPECT_EQ(host.animationStops, 1);
    EXPECT_FALSE(host.waitCursor);
    EXPECT_FALSE(game.Board().reshuffleGo.visible);
    EXPECT_FALSE(game.Board().reshuffleStop.visible);
    EXPECT_FALSE(game.Board().PileFrame(1).visible);
    EXPECT_FALSE(game.DragAllowed());
    EXPECT_EQ(host.hints.back(), "Herzlichen Glückwunsch!\r\nDu hast gewonnwen.");

    const BoardModel& board = game.Board();
    for (int value = 1; value <= 13; ++value) {
        const HeartPlace karo = GameEnd::KaroPlace(value);
        const HeartPlace herz = GameEnd::HerzPlace(value);
        EXPECT_EQ(board.Card(Karo(value)).left, karo.left);
        EXPECT_EQ(board.Card(Karo(value)).top, karo.top);
        EXPECT_EQ(board.Card(Herz(value)).left, herz.left);
        EXPECT_EQ(board.Card(Herz(value)).top, herz.top);
        EXPECT_EQ(board.Card(Kreuz(value)).left, karo.left - 10);
        EXPECT_EQ(board.Card(Kreuz(value)).top, karo.top + 10);
        EXPECT_EQ(board.Card(Pik(value)).left, herz.left + 10);
        EXPECT_EQ(board.Card(Pik(value)).top, herz.top + 10);
        EXPECT_EQ(board.Card(Karo(value)).site, CardSide::Face);
        EXPECT_EQ(board.Card(Kreuz(value)).site, CardSide::Back);
        EXPECT_EQ(board.Card(Pik(value)).site, CardSide::Back);
        EXPECT_FALSE(board.Card(Herz(value)).enabled);
        // Shadows behind, red cards in front, Herz over Karo.
        EXPECT_LT(board.Card(Kreuz(value)).z, board.Card(Karo(1)).z);
        EXPECT_LT(board.Card(Pik(value)).z, board.Card(Karo(1)).z);
        EXPECT_LT(board.Card(Karo(value)).z, board.Card(Herz(1)).z);
    }
    EXPECT_EQ(GameEnd::KaroPlace(1).left, 306);
    EXPECT_EQ(GameEnd::HerzPlace(13).left, 387);
    EXPECT_EQ(GameEnd::HerzPlace(13).top, 341);
    EXPECT_GT(board.Card(Herz(13)).z, board.Card(Herz(12)).z);
}

TEST_F(EvaluateTest, WinWithoutSoundPlaysNoApplause)
{
    host.soundSwitch = false;
    SetPiles({{3, {Pik(13)}}}, 2, 0, {13, 13, 12, 13});
    game.Evaluate();
    EXPECT_EQ(host.applauses, 0);
    EXPECT_EQ(host.highScoreOffers.size(), 1u);
}

TEST_F(EvaluateTest, NewGameDuringTheWinSequenceIsIgnored)
{
    SetPiles({{3, {Pik(13)}}}, 2, 0, {13, 13, 12, 13});
    host.onDelay = [&] { game.bt_neuClick(); };
    game.Evaluate();
    EXPECT_EQ(game.Outcome(), GameOutcome::Won);
    EXPECT_EQ(host.highScoreOffers.size(), 1u);
    EXPECT_FALSE(game.Board().PileFrame(1).visible);
}

} // namespace
} // namespace lumo::test
