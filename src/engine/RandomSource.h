#pragma once
// The shuffle's random numbers. The program's source seeds itself from the
// clock at every deal; the simulator's ignores that and stays reproducible.

namespace lumo {

class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual void SeedFromClock() = 0;
    // A uniform number in 0..n, both included.
    virtual int Draw(int n) = 0;
};

} // namespace lumo
