#pragma once
// Everything the engine needs from the program around it. The Qt side
// implements it on the event loop; tests and the simulator use fakes.
//
// Any call may process window events (Delay certainly does), so input can
// arrive in the middle of an engine operation; the engine guards itself.

#include <string>

namespace lumo {

// A point in card-table coordinates.
struct TablePoint {
    int x = 0;
    int y = 0;
};

class GameHost {
public:
    virtual ~GameHost() = default;

    // Waits the given milliseconds while processing window events.
    virtual void Delay(int milliseconds) = 0;
    // Blocks the given milliseconds without processing any event.
    virtual void SleepWithoutEvents(int milliseconds) = 0;

    // Redraws the card table (cards, frames, labels, gradient) from the board
    // model at once, without processing events.
    virtual void RepaintTable() = 0;
    // Redraws one card at once, without processing events.
    virtual void RepaintCard(int card) = 0;
    // One step of an animation that processes no events (the flight): what
    // was repainted is put on the screen and stays there for about one
    // display frame, so each step is seen. Hosts without a screen do nothing.
    virtual void PresentFrame() {}

    // A sine tone; returns when it has ended.
    virtual void PlayTone(int frequencyHz, int durationMs, int volume) = 0;
    // The stored applause; returns when it has ended.
    virtual void PlayApplause() = 0;
    // A wave output device exists.
    virtual bool WaveOutputPresent() = 0;
    // The user's sound switch.
    virtual bool SoundSwitchOn() = 0;

    // Shows the wait cursor for the whole screen, or the normal arrow.
    virtual void SetWaitCursor(bool on) = 0;
    // Makes the text the application's hint (shown in the bird's balloon).
    virtual void SetApplicationHint(const std::string& text) = 0;
    // Asks a yes/no question through the message dialog; true for "&Ja".
    virtual bool AskQuestion(const std::string& text) = 0;
    // Hides the menu panel if it is shown.
    virtual void CloseMenu() = 0;
    // Switches the creature animations off.
    virtual void StopAnimation() = 0;
    // The high-score step after a won game, with that game's points.
    virtual void OfferHighScoreEntry(int points) = 0;
    // Drops key strokes that are already queued.
    virtual void DiscardKeyboardMessages() = 0;
    // The main window has been activated once.
    virtual bool MainWindowActivated() = 0;
    // The mouse pointer in card-table coordinates.
    virtual TablePoint PointerOnTable() = 0;
};

} // namespace lumo
