#pragma once
// What the engine's parts share: the state, the board model and the outside
// world, plus the small helpers every part needs.

#include "engine/BoardModel.h"
#include "engine/GameHost.h"
#include "engine/GameObserver.h"
#include "engine/GameState.h"
#include "engine/MonotonicClock.h"
#include "engine/RandomSource.h"

namespace lumo {

struct EngineContext {
    GameState& state;
    BoardModel& board;
    GameHost& host;
    RandomSource& random;
    MonotonicClock& clock;
    GameObserver* observer = nullptr;
    // Depth of running engine operations; input arriving inside one of their
    // event loops is refused while it is above 0.
    int busy = 0;
    // Counts the games started (board resets), so a long operation can tell
    // that a new game began inside it.
    int gameSerial = 0;

    bool SoundOn() const;
    void ShowWaitCursor(bool on);
    void SetStatusText(const std::string& text);
    PileSnapshot Piles() const;
};

// Counts an engine operation as running for its scope.
class BusyScope {
public:
    explicit BusyScope(EngineContext& context) : context_(context) { ++context_.busy; }
    ~BusyScope() { --context_.busy; }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    EngineContext& context_;
};

// Shows the wait cursor for its scope; the normal arrow returns however the
// scope is left.
class WaitCursorScope {
public:
    explicit WaitCursorScope(EngineContext& context) : context_(context) { context_.ShowWaitCursor(true); }
    ~WaitCursorScope() { context_.ShowWaitCursor(false); }
    WaitCursorScope(const WaitCursorScope&) = delete;
    WaitCursorScope& operator=(const WaitCursorScope&) = delete;

private:
    EngineContext& context_;
};

} // namespace lumo
