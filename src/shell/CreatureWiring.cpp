#include "shell/CreatureWiring.h"

#include "engine/Game.h"
#include "shell/MenuController.h"
#include "shell/QtGameHost.h"
#include "sound/ToneOutput.h"

namespace lumo {

CreatureWiring::CreatureWiring(QtGameHost &host, ToneOutput &tones, MenuController &menu)
    : FHost(host), FTones(tones), FMenu(menu)
{
}

bool CreatureWiring::Ready() const
{
    return FHost.Engine().Ready();
}

void CreatureWiring::AddPoints(int points)
{
    FHost.Engine().SetPoints(points, true);
    FHost.Render();
}

bool CreatureWiring::SoundOn() const
{
    return FHost.Engine().SoundOn();
}

void CreatureWiring::PlayTone(int frequencyHz, int durationMs, int volume)
{
    FTones.PlayTone(frequencyHz, durationMs, volume);
}

void CreatureWiring::PointerMoved(QWidget *sender)
{
    // The hare is one of the controls whose entering closes an open menu.
    FMenu.GenericMouseMove(sender);
}

} // namespace lumo
