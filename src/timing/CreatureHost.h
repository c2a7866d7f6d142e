#pragma once
// What the creatures need from the main window: whether the board takes input,
// the score, the catch tone and the menu's hover rules. Tests use a fake.

class QWidget;

namespace lumo {

class CreatureHost {
public:
    virtual ~CreatureHost() = default;

    // The board accepts player input (no deal, reshuffle or peek running).
    virtual bool Ready() const = 0;
    // Adds to the points and shows them (SetPoints(points, add)).
    virtual void AddPoints(int points) = 0;
    // The condition of the game's effect tones: a wave output device, the
    // user's sound switch, and the first deal over.
    virtual bool SoundOn() const = 0;
    // A sine tone; returns when it has ended.
    virtual void PlayTone(int frequencyHz, int durationMs, int volume) = 0;
    // The pointer moved over a creature that reports moves (the hare).
    virtual void PointerMoved(QWidget *sender) = 0;
};

} // namespace lumo
