#pragma once
// The engine on the Qt event loop: the host runs the game it is built with.
// It waits, repaints the table from the board model, sets the screen cursor
// and reads the pointer itself; it asks the game's sounds, the user's sound
// switch and the window's activation mark it is given; the engine's questions
// go to the message dialog. What the engine only announces (a hint, the menu
// to close, the animation to stop, a high-score entry, a finished render) it
// sends as signals to the parts that own those things.

#include "engine/Game.h"
#include "engine/GameHost.h"

#include <QObject>
#include <QString>

#include <chrono>

namespace lumo {

class Board;
class MonotonicClock;
class PointerTracker;
class RandomSource;
class ToneOutput;
struct UserSettings;

class QtGameHost : public QObject, public GameHost {
    Q_OBJECT
public:
    // activationMark: the main window's, 0 until it has first been activated.
    QtGameHost(Board &board, PointerTracker &pointer, ToneOutput &tones,
        const UserSettings &settings, const int &activationMark, RandomSource &random,
        MonotonicClock &clock);

    Game &Engine() { return FGame; }

    // Draws the whole model into the widgets without repainting.
    void Render();

    void Delay(int milliseconds) override;
    void SleepWithoutEvents(int milliseconds) override;
    void RepaintTable() override;
    void RepaintCard(int card) override;
    void PresentFrame() override;
    void PlayTone(int frequencyHz, int durationMs, int volume) override;
    void PlayApplause() override;
    bool WaveOutputPresent() override;
    bool SoundSwitchOn() override;
    void SetWaitCursor(bool on) override;
    void SetApplicationHint(const std::string &text) override;
    bool AskQuestion(const std::string &text) override;
    void CloseMenu() override;
    void StopAnimation() override;
    void OfferHighScoreEntry(int points) override;
    void DiscardKeyboardMessages() override;
    bool MainWindowActivated() override;
    TablePoint PointerOnTable() override;

    // The latest application hint (for tests).
    QString LastApplicationHint() const { return FLastHint; }

signals:
    // Text with its stored "\r\n" line breaks.
    void ApplicationHintChanged(const QString &text);
    void CloseMenuRequested();
    void AnimationStopRequested();
    void HighScoreEntryOffered(int points);
    // After every render: things outside the table that follow the model
    // (the level mark, the blink timer).
    void Rendered();

private:
    void PaintPendingNow();

    Board &FBoard;
    PointerTracker &FPointer;
    ToneOutput &FTones;
    const UserSettings &FSettings;
    const int &FActivationMark;
    QString FLastHint;
    // When the last animation step was put on the screen.
    std::chrono::steady_clock::time_point FLastFrame;
    // The engine keeps a reference to this host; it only calls it later.
    Game FGame;
};

} // namespace lumo
