#include "timing/CreatureAnimation.h"

#include "timing/Bee.h"
#include "timing/CreaturePicture.h"
#include "timing/Hare.h"
#include "timing/Ladybird.h"

namespace lumo {

CreatureAnimation::CreatureAnimation(QWidget &table, CreatureHost &host, RandomSource &random,
    bool &animationOn, QObject *parent)
    : QObject(parent), FAnimationOn(animationOn)
{
    FBee = new Bee(table, random, this);
    FLadybird = new Ladybird(table, random, this);
    FHare = new Hare(table, host, this);
}

CreatureAnimation::~CreatureAnimation() = default;

void CreatureAnimation::SetAnimation(std::uint8_t on)
{
    if (on == 0) {
        FBee->SwitchOff();
        FLadybird->SwitchOff();
        FHare->SwitchOff();
        FAnimationOn = false;
    } else if (on == 1) {
        FAnimationOn = true;
        FBee->StartLauncher();
        FLadybird->SwitchOn();
        FBee->StartFlight();
        FHare->SwitchOn();
    }
}

void CreatureAnimation::SetRandom(RandomSource &random)
{
    FBee->SetRandom(random);
    FLadybird->SetRandom(random);
}

std::array<QWidget *, 3> CreatureAnimation::Pictures() const
{
    return {FBee->i_biene0, FLadybird->i_kaefer, FHare->i_hase};
}

} // namespace lumo
