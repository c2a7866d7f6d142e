#pragma once
// A table for the creatures to live on, a host that records what they ask of
// the main window, and a random source whose draws a test can force.

#include "engine/RandomSource.h"
#include "timing/CreatureHost.h"

#include <QWidget>

#include <deque>
#include <vector>

namespace lumo::testing {

struct Tone {
    int frequency;
    int duration;
    int volume;
    bool operator==(const Tone &) const = default;
};

class FakeCreatureHost : public CreatureHost {
public:
    bool Ready() const override { return ready; }
    void AddPoints(int value) override { points += value; }
    bool SoundOn() const override { return soundOn; }
    void PlayTone(int frequencyHz, int durationMs, int volume) override
    {
        tones.push_back({frequencyHz, durationMs, volume});
    }
    void PointerMoved(QWidget *sender) override { moves.push_back(sender); }

    bool ready = true;
    bool soundOn = true;
    int points = 0;
    std::vector<Tone> tones;
    std::vector<QWidget *> moves;
};

// Hands out queued numbers first, then the fallback; remembers every range asked.
class ScriptedRandom : public RandomSource {
public:
    void SeedFromClock() override {}
    int Draw(int n) override
    {
        ranges.push_back(n);
        if (!queued.empty()) {
            const int r = queued.front();
            queued.pop_front();
            return r;
        }
        return fallback;
    }

    std::deque<int> queued;
    int fallback = 0;
    std::vector<int> ranges;
};

} // namespace lumo::testing
