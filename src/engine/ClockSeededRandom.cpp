#include "engine/ClockSeededRandom.h"

#include <chrono>

namespace lumo {

ClockSeededRandom::ClockSeededRandom() { SeedFromClock(); }

void ClockSeededRandom::SeedFromClock()
{
    const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    std::seed_seq seed{static_cast<unsigned>(ticks), static_cast<unsigned>(static_cast<unsigned long long>(ticks) >> 32)};
    generator_.seed(seed);
}

int ClockSeededRandom::Draw(int n)
{
    if (n <= 0)
        return 0;
    return std::uniform_int_distribution<int>(0, n)(generator_);
}

} // namespace lumo
