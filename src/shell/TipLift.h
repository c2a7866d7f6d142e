#pragma once
// The tip on the board: the card to move rises 10 px, then the card it belongs
// on, then both sink back in the same order, one pixel per step with a short
// wait after each, so the player sees which two cards the tip means.

namespace lumo {

class Game;
class GameHost;

class TipLift {
public:
    static constexpr int Steps = 10;
    static constexpr int StepDelayMs = 2;

    TipLift(Game &game, GameHost &host);

    // Only while the foundations are shown and a tip text exists. A card
    // outside 1..52 (an empty target place) is skipped, but its waits still
    // happen. The two cards are read once at the start, so both come down
    // from where they went up even if the tip changes during the waits.
    void i_tippClick();

private:
    void Step(int card, int dy);

    Game &FGame;
    GameHost &FHost;
};

} // namespace lumo
