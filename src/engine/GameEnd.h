#pragma once
// The two ends of a game: the heart of cards after a win, the question after a loss.

#include <functional>

namespace lumo {

struct EngineContext;
class ScoreKeeper;

struct HeartPlace {
    int left;
    int top;
};

class GameEnd {
public:
    GameEnd(EngineContext& context, ScoreKeeper& score, std::function<void()> startNewGame)
        : context_(context), score_(score), startNewGame_(std::move(startNewGame)) {}

    void GameWon();
    void GameLost();

    // Where the Karo and the Herz card of a value (1..13) lie in the heart.
    static HeartPlace KaroPlace(int value);
    static HeartPlace HerzPlace(int value);

private:
    void LayHeart();

    EngineContext& context_;
    ScoreKeeper& score_;
    std::function<void()> startNewGame_;
};

} // namespace lumo
