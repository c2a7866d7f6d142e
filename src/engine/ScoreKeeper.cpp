#include "engine/ScoreKeeper.h"

#include "engine/EngineContext.h"
#include "common/TextHelpers.h"

#include <charconv>
#include <cstdio>

namespace lumo {

namespace {
const std::string& PointsPrefix()
{
    static const std::string prefix = "Punkte:" + RepeatText(" ", 12);
    return prefix;
}

const std::string& MovesPrefix()
{
    static const std::string prefix = "Züge:" + RepeatText(" ", 15);
    return prefix;
}

const std::string& TimePrefix()
{
    static const std::string prefix = "Spielzeit:" + RepeatText(" ", 10);
    return prefix;
}

// Rewritten in place: the counters change with every card placed.
void WriteCounter(std::string& label, const std::string& prefix, int value)
{
    char digits[16];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    label.assign(prefix);
    label.append(digits, end);
}

// The counters are 32-bit and wrap instead of overflowing.
int Wrapped(int a, int b) { return static_cast<int>(static_cast<unsigned>(a) + static_cast<unsigned>(b)); }
} // namespace

void ScoreKeeper::SetPoints(int value, bool add)
{
    GameState& s = context_.state;
    s.points = add ? Wrapped(s.points, value) : value;
    WriteCounter(context_.board.points.text, PointsPrefix(), s.points);
}

void ScoreKeeper::SetMoves(int value, bool add)
{
    GameState& s = context_.state;
    s.moves = add ? Wrapped(s.moves, value) : value;
    WriteCounter(context_.board.moves.text, MovesPrefix(), s.moves);
}

void ScoreKeeper::StartClock()
{
    context_.state.startTimeMs = context_.clock.NowMilliseconds();
    context_.state.clockRunning = true;
    shownSecond_ = -1;
}

void ScoreKeeper::StopClock() { context_.state.clockRunning = false; }

void ScoreKeeper::ShowPlayTime()
{
    const std::int64_t elapsed = context_.clock.NowMilliseconds() - context_.state.startTimeMs;
    // The label changes once a second; the tick and the reshuffle ask far more often.
    const std::int64_t second = elapsed > 0 ? elapsed / 1000 : 0;
    if (second != shownSecond_) {
        context_.board.time.text = TimeText(FormatElapsed(elapsed));
        shownSecond_ = second;
    }
    context_.host.RepaintTable();
}

void ScoreKeeper::ShowNewGameLabels()
{
    SetPoints(0, false);
    SetMoves(0, false);
    StopClock();
    context_.board.time.text = TimeText("00:00:00");
    shownSecond_ = -1;
}

std::string ScoreKeeper::FormatElapsed(std::int64_t milliseconds)
{
    const long long seconds = milliseconds > 0 ? milliseconds / 1000 : 0;
    char text[32];
    std::snprintf(text, sizeof text, "%02lld:%02lld:%02lld", seconds / 3600, seconds / 60 % 60, seconds % 60);
    return text;
}

std::string ScoreKeeper::PointsText(int points) { return PointsPrefix() + std::to_string(points); }

std::string ScoreKeeper::MovesText(int moves) { return MovesPrefix() + std::to_string(moves); }

std::string ScoreKeeper::TimeText(const std::string& elapsed) { return TimePrefix() + elapsed; }

} // namespace lumo
