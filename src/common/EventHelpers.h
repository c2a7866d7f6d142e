#pragma once
// Waiting and input purging on the Qt event loop.

#include <cstdint>

namespace lumo {

// Waits the given milliseconds while processing the thread's events (timers,
// painting, input) in every pass. Delay(0) returns at once and processes nothing.
// Measured with a monotonic clock, so a wait across midnight still ends on time.
void Delay(std::uint32_t milliseconds);

// Drops every key press and release already queued for the application and
// returns how many it dropped.
int DiscardKeyboardMessages();

} // namespace lumo
