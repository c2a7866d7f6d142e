#pragma once
// What the creatures need from the main window: the engine's Ready and its
// points (shown at once), the game's sound condition and tone output for the
// catch, and the menu's hover rules for the pointer moving over the hare.

#include "timing/CreatureHost.h"

namespace lumo {

class MenuController;
class QtGameHost;
class ToneOutput;

class CreatureWiring : public CreatureHost {
public:
    CreatureWiring(QtGameHost &host, ToneOutput &tones, MenuController &menu);

    bool Ready() const override;
    void AddPoints(int points) override;
    bool SoundOn() const override;
    void PlayTone(int frequencyHz, int durationMs, int volume) override;
    void PointerMoved(QWidget *sender) override;

private:
    QtGameHost &FHost;
    ToneOutput &FTones;
    MenuController &FMenu;
};

} // namespace lumo
