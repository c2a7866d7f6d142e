#pragma once
// A host that records what the engine asks of it, for the engine's tests.

#include "engine/GameHost.h"
#include "engine/MonotonicClock.h"
#include "engine/RandomSource.h"

#include <functional>
#include <random>
#include <string>
#include <vector>

namespace lumo::test {

struct Tone {
    int frequency;
    int durationMs;
    int volume;
    bool operator==(const Tone&) const = default;
};

struct CardFrame {
    int card;
    int left;
    int top;
};


class FakeGameHost : public GameHost {
public:
    void Delay(int milliseconds) override;
    void SleepWithoutEvents(int milliseconds) override { sleeps.push_back(milliseconds); }
    void RepaintTable() override;
    void RepaintCard(int card) override;
    // Records where the card last repainted stood when its frame was shown.
    void PresentFrame() override;
    void PlayTone(int frequencyHz, int durationMs, int volume) override
    {
        tones.push_back({frequencyHz, durationMs, volume});
    }
    void PlayApplause() override { ++applauses; }
    bool WaveOutputPresent() override { return waveOutput; }
    bool SoundSwitchOn() override { return soundSwitch; }
    void SetWaitCursor(bool on) override { waitCursor = on; }
    void SetApplicationHint(const std::string& text) override { hints.push_back(text); }
    bool AskQuestion(const std::string& text) override
    {
        questions.push_back(text);
        return answer;
    }
    void CloseMenu() override { ++menuCloses; }
    void StopAnimation() override { ++animationStops; }
    void OfferHighScoreEntry(int points) override { highScoreOffers.push_back(points); }
    void DiscardKeyboardMessages() override { ++keyboardDiscards; }
    bool MainWindowActivated() override { return activated; }
    TablePoint PointerOnTable() override { return pointer; }

    // Sets the pointer to the centre of a pile frame.
    void PointAtPile(int pile);

    // Run inside every Delay, like input arriving while events are processed.
    std::function<void()> onDelay;
    // Where the cards are while they are repainted one by one.
    std::function<CardFrame(int card)> cardReader;

    bool waveOutput = true;
    bool soundSwitch = true;
    bool activated = true;
    bool answer = false;
    bool waitCursor = false;
    TablePoint pointer;

    std::vector<Tone> tones;
    std::vector<int> delays;
    std::vector<int> sleeps;
    std::vector<std::string> hints;
    std::vector<std::string> questions;
    std::vector<int> highScoreOffers;
    std::vector<CardFrame> cardRepaints;
    // The card positions that were put on the screen for a frame.
    std::vector<CardFrame> presentedFrames;
    int tableRepaints = 0;
    int applauses = 0;
    int menuCloses = 0;
    int animationStops = 0;
    int keyboardDiscards = 0;
};

// Draws from a fixed seed; SeedFromClock counts the calls and keeps the stream.
class FakeRandom : public RandomSource {
public:
    explicit FakeRandom(unsigned seed = 7) : generator_(seed) {}
    void SeedFromClock() override { ++seedings; }
    int Draw(int n) override { return std::uniform_int_distribution<int>(0, n)(generator_); }
    int seedings = 0;

private:
    std::mt19937 generator_;
};

class FakeClock : public MonotonicClock {
public:
    std::int64_t NowMilliseconds() override { return now; }
    std::int64_t now = 1'000'000;
};

} // namespace lumo::test
