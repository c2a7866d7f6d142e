#pragma once
// The creatures on the card table and their one switch, SetAnimation. Off, all
// four creature timers stand still and nothing shows; on, the ladybird crawls,
// the hare peeks, and t_ani sends the bee on its flights.

#include "timing/AnimationSwitch.h"

#include <QObject>

#include <array>
#include <cstdint>

class QWidget;

namespace lumo {

class Bee;
class CreatureHost;
class Hare;
class Ladybird;
class RandomSource;

class CreatureAnimation : public QObject, public AnimationSwitch {
public:
    // Creates the creatures hidden on the table, all timers off. The flag is
    // the user's animation setting, which the switch keeps.
    CreatureAnimation(QWidget &table, CreatureHost &host, RandomSource &random, bool &animationOn,
        QObject *parent = nullptr);
    ~CreatureAnimation() override;

    // 0 switches the animation off, 1 switches it on (again: every creature
    // back to its starting place), any other value does nothing.
    void SetAnimation(std::uint8_t on) override;
    bool Running() const { return FAnimationOn; }
    // Where the bee's and the ladybird's chances are drawn from.
    void SetRandom(RandomSource &random);

    Bee &Biene() const { return *FBee; }
    Ladybird &Kaefer() const { return *FLadybird; }
    Hare &Hase() const { return *FHare; }
    // i_biene0, i_kaefer, i_hase: the controls that must stay in front of the cards.
    std::array<QWidget *, 3> Pictures() const;

private:
    bool &FAnimationOn;
    Bee *FBee = nullptr;
    Ladybird *FLadybird = nullptr;
    Hare *FHare = nullptr;
};

} // namespace lumo
