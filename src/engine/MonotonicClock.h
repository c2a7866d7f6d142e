#pragma once
// Time source of the play clock. Monotonic, so a game across midnight (or a
// change of the system time) still shows the true elapsed time.

#include <cstdint>

namespace lumo {

class MonotonicClock {
public:
    virtual ~MonotonicClock() = default;
    virtual std::int64_t NowMilliseconds() = 0;
};

} // namespace lumo
