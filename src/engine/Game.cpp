#include "engine/Game.h"

#include "engine/BoardGeometry.h"
#include "engine/CardPlacer.h"
#include "engine/Dealer.h"
#include "engine/EngineContext.h"
#include "engine/Evaluator.h"
#include "engine/FoundationFlight.h"
#include "engine/GameEnd.h"
#include "engine/MoveRules.h"
#include "engine/PositionSetup.h"
#include "engine/Reshuffler.h"
#include "engine/ScoreKeeper.h"
#include "engine/StatusTexts.h"
#include "engine/TableFlash.h"

#include <stdexcept>

namespace lumo {

namespace {
// Clears the new-game guard and makes the board ready however the start ends.
class NewGameScope {
public:
    NewGameScope(bool& running, GameState& state) : running_(running), state_(state) { running_ = true; }
    ~NewGameScope()
    {
        state_.ready = true;
        running_ = false;
    }
    NewGameScope(const NewGameScope&) = delete;
    NewGameScope& operator=(const NewGameScope&) = delete;

private:
    bool& running_;
    GameState& state_;
};

bool ContainsNoCaseAscii(const std::string& text, const std::string& lowerNeedle)
{
    std::string lower = text;
    for (char& ch : lower)
        if (ch >= 'A' && ch <= 'Z')
            ch = static_cast<char>(ch - 'A' + 'a');
    return lower.find(lowerNeedle) != std::string::npos;
}
} // namespace

Game::Game(GameHost& host, RandomSource& random, MonotonicClock& clock)
{
    context_ = std::make_unique<EngineContext>(EngineContext{state_, board_, host, random, clock});
    score_ = std::make_unique<ScoreKeeper>(*context_);
    flight_ = std::make_unique<FoundationFlight>(*context_);
    flash_ = std::make_unique<TableFlash>(*context_);
    placer_ = std::make_unique<CardPlacer>(*context_, *score_, *flight_);
    rules_ = std::make_unique<MoveRules>(*context_, *placer_);
    end_ = std::make_unique<GameEnd>(*context_, *score_, [this] { NewGame(); });
    evaluator_ = std::make_unique<Evaluator>(*context_, *rules_, *placer_, *end_, *flash_);
    dealer_ = std::make_unique<Dealer>(*context_, *placer_, *score_, *evaluator_);
    reshuffler_ = std::make_unique<Reshuffler>(*context_, *placer_, *score_, *dealer_, *evaluator_);

    // The board as created: frames shown and empty, cards hidden.
    for (int p = 1; p <= kPileCount; ++p) {
        board_.PileFrame(p).visible = true;
        placer_->UpdatePileFrameHint(p, 0);
    }
    for (int f = 1; f <= kFoundationCount; ++f)
        board_.FoundationImage(f).visible = true;
    for (int card = 1; card <= kCardCount; ++card)
        board_.Card(card).visible = false;
}

Game::~Game() = default;

std::size_t Game::Checked(int i, int count)
{
    if (i < 1 || i > count)
        throw std::out_of_range("pile or foundation number out of range");
    return static_cast<std::size_t>(i);
}

bool Game::SoundOn() const { return context_->SoundOn(); }
bool Game::Busy() const { return context_->busy > 0; }

void Game::SetObserver(GameObserver* observer) { context_->observer = observer; }

void Game::StartFirstGame()
{
    if (Busy() || newGameRunning_)
        return;
    BusyScope busy(*context_);
    dealer_->ResetBoard();
    dealer_->Deal();
}

void Game::bt_neuClick()
{
    // Input that arrives while the engine waits inside an operation must not
    // start a game on top of it.
    if (Busy())
        return;
    NewGame();
}

void Game::NewGame()
{
    if (newGameRunning_)
        return;
    NewGameScope guard(newGameRunning_, state_);
    BusyScope busy(*context_);
    GameHost& host = context_->host;
    host.CloseMenu();
    context_->SetStatusText("Neues Spiel beginnt!");
    host.DiscardKeyboardMessages();
    context_->ShowWaitCursor(true);
    score_->ShowNewGameLabels();
    host.RepaintTable();
    dealer_->ResetBoard();
    dealer_->Deal();
}

void Game::bt_stufe_Click(int level)
{
    if (Busy() || newGameRunning_ || level < 1 || level > 3)
        return;
    context_->host.CloseMenu();
    state_.level = level;
    board_.level.text = std::to_string(level);
    board_.level.top = LevelLabelTop(level);
    bt_neuClick();
}

void Game::bild_goClick(bool fromGo)
{
    // A hidden bild_go (no reshuffle left, or the game is over) takes no click.
    if (Busy() || (fromGo && !board_.reshuffleGo.visible))
        return;
    reshuffler_->bild_goClick(fromGo);
}

int Game::CompleteDrop(int card, TablePoint dragOrigin)
{
    if (!IsValidCard(card))
        return 0;
    CardView& view = board_.Card(card);
    const auto putBack = [&] {
        view.left = dragOrigin.x;
        view.top = dragOrigin.y;
        board_.BringCardToFront(card);
        context_->host.RepaintCard(card);
    };
    if (Busy() || !IsTopCard(card)) {
        putBack();
        return 0;
    }
    BusyScope busy(*context_);
    const int target = rules_->FindDropTarget(card);
    if (target == 0) {
        const bool far = view.left < dragOrigin.x - kCardWidth || view.left > dragOrigin.x + kCardWidth
            || view.top < dragOrigin.y - kCardHeight || view.top > dragOrigin.y + kCardHeight;
        if (far)
            score_->SetPoints(-5, true);
        putBack();
        return 0;
    }
    const int source = view.stapel;
    const int serial = context_->gameSerial;
    placer_->PlaceCard(card, target, state_.pileCount[target] + 1, false);
    context_->host.RepaintCard(card);
    score_->SetMoves(1, true);
    state_.pileCards[source][state_.pileCount[source]] = -1;
    state_.pileCount[source] -= 1;
    if (context_->observer)
        context_->observer->OnMoved(card, source, target);
    evaluator_->Evaluate();
    if (context_->gameSerial == serial)
        HighlightFrame(target);
    return target;
}

void Game::t_blinkerTimer()
{
    if (!board_.blinkerEnabled)
        return;
    board_.status.visible = !board_.status.visible;
    context_->host.RepaintTable();
}

void Game::ShowPlayTime() { score_->ShowPlayTime(); }

void Game::PlayClockTick()
{
    if (state_.clockRunning)
        score_->ShowPlayTime();
}

void Game::SetPoints(int value, bool add) { score_->SetPoints(value, add); }
void Game::SetMoves(int value, bool add) { score_->SetMoves(value, add); }

void Game::MoveCard(int card, int left, int top)
{
    CardView& view = board_.Card(card);
    view.left = left;
    view.top = top;
}

void Game::BringToFront(int card) { board_.BringCardToFront(card); }

void Game::StackPile(int pile) { placer_->StackPile(static_cast<int>(Checked(pile, kPileCount))); }

void Game::HighlightFrame(int pile)
{
    if (board_.highlightedPile != 0 || !state_.ready || pile < 1 || pile > kPileCount)
        return;
    board_.highlightedPile = pile;
    context_->host.RepaintTable();
}

void Game::UnhighlightFrame()
{
    if (board_.highlightedPile == 0 || !state_.ready)
        return;
    board_.highlightedPile = 0;
    context_->host.RepaintTable();
}

void Game::SetReady(bool ready) { state_.ready = ready; }

void Game::SetWaitCursor(bool on) { context_->ShowWaitCursor(on); }

bool Game::DragAllowed() const
{
    return !ContainsNoCaseAscii(state_.tipText, "kein zug mehr") && board_.PileFrame(1).visible
        && !board_.waitCursor && state_.ready && !Busy();
}

bool Game::IsTopCard(int card) const
{
    if (!IsValidCard(card))
        return false;
    const int pile = board_.Card(card).stapel;
    return pile >= 1 && pile <= kPileCount && state_.TopOfPile(pile) == card;
}

int Game::FindDropTarget(int card) { return rules_->FindDropTarget(card); }

bool Game::PointInFrame(int x, int y, int pile) { return MoveRules::PointInFrame(x, y, pile); }

bool Game::Evaluate()
{
    BusyScope busy(*context_);
    return evaluator_->Evaluate();
}

void Game::SetPosition(const BoardPosition& position)
{
    if (Busy())
        throw std::logic_error("cannot set a position while the engine is busy");
    PositionSetup(*context_, *placer_).Apply(position);
}

int Game::PileCard(int pile, int position) const
{
    const std::size_t p = Checked(pile, kPileCount);
    return state_.pileCards[p][Checked(position, state_.pileCount[p])];
}

int Game::FoundationCard(int f, int position) const
{
    const std::size_t i = Checked(f, kFoundationCount);
    return state_.foundationCards[i][Checked(position, state_.foundationCount[i])];
}

} // namespace lumo
