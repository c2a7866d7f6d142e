#pragma once
// The bee: from time to time it flies along the top of the table from left 600
// to 795 or back, 5 px every 50 ms, beating its wings at every step, then
// hides on that side facing the other way until t_ani sends it off again.
// Its picture's Tag is the direction: 0 flies right, 1 flies left.

#include "timing/CreatureArt.h"

#include <QObject>

namespace lumo {

class CreaturePicture;
class RandomSource;
class TCKMultimediaTimer;

class Bee : public QObject {
public:
    static constexpr int RightEnd = 795;
    static constexpr int LeftEnd = 600;
    static constexpr int FlightTop = 10;
    static constexpr int Step = 5;
    // t_ani starts a resting bee when it draws this number from 0..52.
    static constexpr int LaunchRange = 52;
    static constexpr int LaunchDraw = 26;

    // The bee's picture is created hidden on the table; the timers are off.
    Bee(QWidget &table, RandomSource &random, QObject *owner);

    CreaturePicture *i_biene0 = nullptr;
    // The wing frames: facing right (1, 2) and facing left (3, 4).
    static constexpr CreatureFrame i_biene1 = CreatureArt::BeeRightWingsUp;
    static constexpr CreatureFrame i_biene2 = CreatureArt::BeeRightWingsDown;
    static constexpr CreatureFrame i_biene3 = CreatureArt::BeeLeftWingsUp;
    static constexpr CreatureFrame i_biene4 = CreatureArt::BeeLeftWingsDown;
    TCKMultimediaTimer *t_biene = nullptr;
    TCKMultimediaTimer *t_ani = nullptr;
    // Which wing frame comes next, shared by both directions.
    bool FBeeWingFrame = false;

    int Direction() const;

    // One step of a flight (t_biene, every 50 ms).
    void t_TimerBiene();
    // Sends a resting bee off at random (t_ani, every 500 ms).
    void t_aniTimer();

    // Switching on: the launcher runs, and the bee starts a flight from the
    // side it faces.
    void StartLauncher();
    void StartFlight();
    // Switching off: both timers stop and the bee hides where it is.
    void SwitchOff();

    // Where its draws come from (tests force them).
    void SetRandom(RandomSource &random) { FRandom = &random; }

private:
    int FlightStart() const;

    RandomSource *FRandom;
};

} // namespace lumo
