#pragma once
// The ladybird: it crawls straight up its column, 5 px every 100 ms, changing
// its legs at every step, and vanishes once it has crawled off the top edge.
// Hidden at the foot of the table it has a chance of 1 in 31 each tick to come
// back. Its picture's Tag is the leg frame that comes next.

#include "timing/CreatureArt.h"

#include <QObject>

namespace lumo {

class CreaturePicture;
class RandomSource;
class TCKMultimediaTimer;

class Ladybird : public QObject {
public:
    static constexpr int StartLeft = 582;
    static constexpr int StartTop = 477;
    // Where it rests hidden after vanishing (it moves once more on that tick).
    static constexpr int RestTop = 476;
    // Above this top it has left the table.
    static constexpr int VanishTop = -15;
    static constexpr int Step = 5;
    static constexpr int ReturnRange = 30;
    static constexpr int ReturnDraw = 10;

    Ladybird(QWidget &table, RandomSource &random, QObject *owner);

    CreaturePicture *i_kaefer = nullptr;
    static constexpr CreatureFrame i_kaefer1 = CreatureArt::LadybirdStepA;
    static constexpr CreatureFrame i_kaefer2 = CreatureArt::LadybirdStepB;
    TCKMultimediaTimer *t_kaefer = nullptr;

    // One step (t_kaefer, every 100 ms).
    void t_TimerKaefer();

    // Switching on: back to its starting place, shown, crawling.
    void SwitchOn();
    void SwitchOff();

    // Where its draws come from (tests force them).
    void SetRandom(RandomSource &random) { FRandom = &random; }

private:
    RandomSource *FRandom;
};

} // namespace lumo
