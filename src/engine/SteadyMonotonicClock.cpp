#include "engine/SteadyMonotonicClock.h"

#include <chrono>

namespace lumo {

std::int64_t SteadyMonotonicClock::NowMilliseconds()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

} // namespace lumo
