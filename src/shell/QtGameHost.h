#pragma once
// The engine's host on the Qt event loop: waiting, repainting the table from
// the board model, the screen cursor, the pointer, and hook points for what
// other parts of the program supply (tones, applause, hints, the question
// dialog, high scores, the creatures).

#include "engine/GameHost.h"

#include <QString>

#include <functional>

namespace lumo {

class Board;
class Game;
class PointerTracker;

class QtGameHost : public GameHost {
public:
    QtGameHost(Board &board, PointerTracker &pointer);

    // The engine is created after its host; set it before the first call.
    void SetGame(Game *game) { FGame = game; }

    // --- Hook points, filled by the parts that own them ------------------
    std::function<void(int frequencyHz, int durationMs, int volume)> OnPlayTone;
    std::function<void()> OnPlayApplause;
    std::function<bool()> OnWaveOutputPresent;
    std::function<bool()> OnSoundSwitchOn;
    // Text with its stored "\r\n" line breaks.
    std::function<void(const QString &text)> OnApplicationHint;
    // Without a hook a plain message box asks.
    std::function<bool(const QString &text)> OnAskQuestion;
    std::function<void()> OnCloseMenu;
    std::function<void()> OnStopAnimation;
    std::function<void(int points)> OnOfferHighScoreEntry;
    std::function<bool()> OnMainWindowActivated;
    // After every render: things outside the table that follow the model
    // (the level mark, the blink timer).
    std::function<void()> OnRendered;

    // Draws the whole model into the widgets without repainting.
    void Render();

    void Delay(int milliseconds) override;
    void SleepWithoutEvents(int milliseconds) override;
    void RepaintTable() override;
    void RepaintCard(int card) override;
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

    // The latest application hint (for the bird, and for tests).
    QString LastApplicationHint() const { return FLastHint; }

private:
    void PaintPendingNow();

    Board &FBoard;
    PointerTracker &FPointer;
    Game *FGame = nullptr;
    QString FLastHint;
};

} // namespace lumo
