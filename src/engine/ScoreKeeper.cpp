#include "engine/ScoreKeeper.h"

#include "engine/EngineContext.h"
#include "shell/TextHelpers.h"

#include <cstdio>

namespace lumo {

void ScoreKeeper::SetPoints(int value, bool add)
{
    GameState& s = context_.state;
    // Wrap like the 32-bit counter it is instead of overflowing.
    s.points = add ? static_cast<int>(static_cast<unsigned>(s.points) + static_cast<unsigned>(value)) : value;
    context_.board.points.text = PointsText(s.points);
}

void ScoreKeeper::SetMoves(int value, bool add)
{
    GameState& s = context_.state;
    s.moves = add ? static_cast<int>(static_cast<unsigned>(s.moves) + static_cast<unsigned>(value)) : value;
    context_.board.moves.text = MovesText(s.moves);
}

void ScoreKeeper::StartClock()
{
    context_.state.startTimeMs = context_.clock.NowMilliseconds();
    context_.state.clockRunning = true;
}

void ScoreKeeper::StopClock() { context_.state.clockRunning = false; }

void ScoreKeeper::ShowPlayTime()
{
    const std::int64_t elapsed = context_.clock.NowMilliseconds() - context_.state.startTimeMs;
    context_.board.time.text = TimeText(FormatElapsed(elapsed));
    context_.host.RepaintTable();
}

void ScoreKeeper::ShowNewGameLabels()
{
    SetPoints(0, false);
    SetMoves(0, false);
    StopClock();
    context_.board.time.text = TimeText("00:00:00");
}

std::string ScoreKeeper::FormatElapsed(std::int64_t milliseconds)
{
    const long long seconds = milliseconds > 0 ? milliseconds / 1000 : 0;
    char text[32];
    std::snprintf(text, sizeof text, "%02lld:%02lld:%02lld", seconds / 3600, seconds / 60 % 60, seconds % 60);
    return text;
}

std::string ScoreKeeper::PointsText(int points)
{
    return "Punkte:" + RepeatText(" ", 12) + std::to_string(points);
}

std::string ScoreKeeper::MovesText(int moves)
{
    return "Züge:" + RepeatText(" ", 15) + std::to_string(moves);
}

std::string ScoreKeeper::TimeText(const std::string& elapsed)
{
    return "Spielzeit:" + RepeatText(" ", 10) + elapsed;
}

} // namespace lumo
