#pragma once
// Waiting and input purging on the Qt event loop.

#include <cstdint>

namespace lumo {

// The clock Delay counts on: the monotonic clock read in whole ticks of
// 1/64 s, as the system clock the game's pacing was designed for advanced.
constexpr std::int64_t kDelayClockTickNs = 15'625'000;
std::int64_t DelayClockTicks();

// Waits the given milliseconds while processing the thread's events (timers,
// painting, input) in every pass. Delay(0) returns at once and processes nothing.
// The wait ends once the given time has passed and the ticking clock has
// advanced by it too, so a short wait such as Delay(2) lasts until the clock
// next ticks (about 16 ms in a row of them), while a long one ends on time
// (at most one tick late). A wait across midnight still ends on time.
void Delay(std::uint32_t milliseconds);

// Drops every key press and release already queued for the application and
// returns how many it dropped.
int DiscardKeyboardMessages();

} // namespace lumo
