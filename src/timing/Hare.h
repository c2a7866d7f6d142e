#pragma once
// The hare: every three seconds it comes up from the lower edge of the table
// or ducks down again, showing only its ear tips (2 px). A click on it while
// the board accepts input catches it: 10 points, it ducks at once, and a short
// tone. Its picture's Tag is 1 while it is up.

#include "timing/CreatureArt.h"

#include <QObject>

namespace lumo {

class CreatureHost;
class CreaturePicture;
class TCKMultimediaTimer;

class Hare : public QObject {
public:
    static constexpr int Left = 714;
    static constexpr int UpTop = 410;   // standing on the table, lower edge at 481
    static constexpr int DownTop = 481; // the table is 483 high: 2 px show
    static constexpr int CatchPoints = 10;

    Hare(QWidget &table, CreatureHost &host, QObject *owner);

    CreaturePicture *i_hase = nullptr;
    TCKMultimediaTimer *t_hase = nullptr;

    bool Up() const;

    // Up or down (t_hase, every 3000 ms).
    void t_haseTimer();
    // The click on the hare.
    void i_haseClick();

    // Switching on: down at its place, shown, its timer running.
    void SwitchOn();
    void SwitchOff();

private:
    CreatureHost &FHost;
};

} // namespace lumo
