#pragma once
// The program's play clock source: std::chrono::steady_clock.

#include "engine/MonotonicClock.h"

namespace lumo {

class SteadyMonotonicClock : public MonotonicClock {
public:
    std::int64_t NowMilliseconds() override;
};

} // namespace lumo
