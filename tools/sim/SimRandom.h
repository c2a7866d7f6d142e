#pragma once
// Reproducible random source: the stream is set per game and "seeding from
// the clock" keeps it going, so the same seed gives the same game.

#include "engine/RandomSource.h"

#include <cstdint>

namespace lumo::sim {

class SimRandom : public RandomSource {
public:
    void Reset(std::uint64_t seed) { state_ = seed; }
    void SeedFromClock() override {}
    int Draw(int n) override { return static_cast<int>(Next() % static_cast<std::uint64_t>(n + 1)); }

private:
    // splitmix64: cheap, and plenty uniform for shuffling 52 cards.
    std::uint64_t Next()
    {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }

    std::uint64_t state_ = 0;
};

} // namespace lumo::sim
