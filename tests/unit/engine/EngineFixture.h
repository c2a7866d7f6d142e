#pragma once
// A game with fake host, random source and clock, plus helpers to set up
// positions by card name.

#include "FakeGameHost.h"
#include "engine/Game.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <vector>

namespace lumo::test {

// Face index from suit and value: Kreuz 0, Karo 1, Herz 2, Pik 3.
constexpr int Kreuz(int value) { return value; }
constexpr int Karo(int value) { return 13 + value; }
constexpr int Herz(int value) { return 26 + value; }
constexpr int Pik(int value) { return 39 + value; }

class EngineFixture : public ::testing::Test {
protected:
    EngineFixture();

    // Piles as {pile number, {cards bottom to top}}.
    void SetPiles(std::initializer_list<std::pair<int, std::vector<int>>> piles, int level = 1,
        int reshufflesUsed = 0, std::array<int, 4> foundationCounts = {});
    // Drags the pile's top card onto the frame of the target pile and drops it.
    int DropOnPile(int card, int targetPile);

    FakeGameHost host;
    FakeRandom random;
    FakeClock clock;
    Game game{host, random, clock};
};

} // namespace lumo::test
