#pragma once
// The program's random source: reseeded from the clock at every deal, so
// deals are not reproducible.

#include "engine/RandomSource.h"

#include <random>

namespace lumo {

class ClockSeededRandom : public RandomSource {
public:
    ClockSeededRandom();
    void SeedFromClock() override;
    int Draw(int n) override;

private:
    std::mt19937 generator_;
};

} // namespace lumo
