#pragma once
// The game engine as the board, the menu and the main window see it. It owns
// the game state and the board model, and reaches the outside only through
// GameHost. No Qt here.

#include "engine/BoardModel.h"
#include "engine/BoardPosition.h"
#include "engine/GameHost.h"
#include "engine/GameObserver.h"
#include "engine/GameState.h"
#include "engine/MonotonicClock.h"
#include "engine/RandomSource.h"

#include <memory>

namespace lumo {

struct EngineContext;
class ScoreKeeper;
class CardPlacer;
class MoveRules;
class Dealer;
class Reshuffler;
class Evaluator;
class GameEnd;
class FoundationFlight;
class TableFlash;

class Game {
public:
    Game(GameHost& host, RandomSource& random, MonotonicClock& clock);
    ~Game();
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    // --- Commands -------------------------------------------------------
    // The deferred first deal after the main window has been shown: silent,
    // without flights (QuietStart).
    void StartFirstGame();
    // "&Neues Spiel". Ignored while a new game is being started or another
    // engine operation is running (input arriving inside a Delay).
    void bt_neuClick();
    // A level button (level 1..3): sets the level and starts a new game.
    void bt_stufe_Click(int level);
    // A click on bild_go (fromGo true) or bild_stop (fromGo false).
    void bild_goClick(bool fromGo);
    // The player released the dragged card; dragOrigin is where it lay when
    // the drag began. Returns the pile it landed on, 0 if it went back.
    int CompleteDrop(int card, TablePoint dragOrigin);
    // The 500 ms blink tick; toggles the status label while blinking is on.
    void t_blinkerTimer();
    // Refreshes the play time label (also called by the 250 ms tick).
    void ShowPlayTime();
    // The 250 ms tick's clock work: ShowPlayTime while the clock runs.
    void PlayClockTick();
    // Score and move counters; add or set. The caught hare calls SetPoints(10, true).
    void SetPoints(int value, bool add);
    void SetMoves(int value, bool add);

    // --- Board support --------------------------------------------------
    // Moves a card in the model (dragging, peeks, the hint lift).
    void MoveCard(int card, int left, int top);
    void BringToFront(int card);
    // Lays the cards of a pile back on its place, top card in front.
    void StackPile(int pile);
    void HighlightFrame(int pile);
    void UnhighlightFrame();
    // The board's own busy spells (peeks) switch Ready.
    void SetReady(bool ready);
    // Wait cursor on or off; the board's peeks use it, and releasing the left
    // button anywhere turns it off.
    void SetWaitCursor(bool on);
    // A drag may start now: not stuck, frames shown, no wait cursor, Ready,
    // and no engine operation running.
    bool DragAllowed() const;
    bool IsTopCard(int card) const;
    // The pile under the pointer that would take the card, 0 if none.
    int FindDropTarget(int card);
    static bool PointInFrame(int x, int y, int pile);
    // Evaluates the position (filing, hints, end of game); false after a win or loss.
    bool Evaluate();
    // Sets up a position directly, as if dealt and played, with 0 points and
    // 0 moves (tests, tools).
    void SetPosition(const BoardPosition& position);
    void SetObserver(GameObserver* observer);

    // --- Reading --------------------------------------------------------
    const GameState& State() const { return state_; }
    const BoardModel& Board() const { return board_; }
    int PileCount(int pile) const { return state_.pileCount[Checked(pile, kPileCount)]; }
    // Card at position 1..PileCount(pile) of a pile, 1 = bottom.
    int PileCard(int pile, int position) const;
    int FoundationCount(int f) const { return state_.foundationCount[Checked(f, kFoundationCount)]; }
    // Card at position 1..FoundationCount(f), 1 = As.
    int FoundationCard(int f, int position) const;
    int Level() const { return state_.level; }
    int Points() const { return state_.points; }
    int Moves() const { return state_.moves; }
    int ReshufflesUsed() const { return state_.reshufflesUsed; }
    const std::string& TipText() const { return state_.tipText; }
    int HintSource() const { return state_.hintSource; }
    int HintTarget() const { return state_.hintTarget; }
    bool Ready() const { return state_.ready; }
    bool QuietStart() const { return state_.quietStart; }
    bool ClockRunning() const { return state_.clockRunning; }
    GameOutcome Outcome() const { return state_.outcome; }
    bool SoundOn() const;
    // An engine operation (deal, reshuffle, drop, win sequence) is running.
    bool Busy() const;

private:
    static std::size_t Checked(int i, int count);
    void NewGame();

    GameState state_;
    BoardModel board_;
    std::unique_ptr<EngineContext> context_;
    std::unique_ptr<ScoreKeeper> score_;
    std::unique_ptr<FoundationFlight> flight_;
    std::unique_ptr<TableFlash> flash_;
    std::unique_ptr<CardPlacer> placer_;
    std::unique_ptr<MoveRules> rules_;
    std::unique_ptr<Dealer> dealer_;
    std::unique_ptr<Reshuffler> reshuffler_;
    std::unique_ptr<Evaluator> evaluator_;
    std::unique_ptr<GameEnd> end_;
    bool newGameRunning_ = false;
};

} // namespace lumo
