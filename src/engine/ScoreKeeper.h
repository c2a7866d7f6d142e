#pragma once
// Points, moves and the play clock with their label texts.

#include <cstdint>
#include <string>

namespace lumo {

struct EngineContext;

class ScoreKeeper {
public:
    explicit ScoreKeeper(EngineContext& context) : context_(context) {}

    void SetPoints(int value, bool add);
    void SetMoves(int value, bool add);
    void StartClock();
    void StopClock();
    void ShowPlayTime();
    // The labels of a new game: 0 points, 0 moves, "00:00:00".
    void ShowNewGameLabels();

    // hh:mm:ss; hours keep counting past 24.
    static std::string FormatElapsed(std::int64_t milliseconds);
    static std::string PointsText(int points);
    static std::string MovesText(int moves);
    static std::string TimeText(const std::string& elapsed);

private:
    EngineContext& context_;
    std::int64_t shownSecond_ = -1;
};

} // namespace lumo
