#pragma once
// A clock that stands still: simulated games take no time.

#include "engine/MonotonicClock.h"

namespace lumo::sim {

class SimClock : public MonotonicClock {
public:
    std::int64_t NowMilliseconds() override { return 0; }
};

} // namespace lumo::sim
