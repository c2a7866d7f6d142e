#pragma once
// The application-wide input hook: every key press and mouse button press is
// seen once, on its way from the window system into a window, before any
// widget gets it. Keys and left clicks tick while the board is ready and sound
// is on; releasing the left button ends any wait cursor; the right button asks
// for the tip. The hook never swallows an event.

#include <QObject>

#include <functional>

namespace lumo {

class InputClickHook : public QObject {
    Q_OBJECT
public:
    struct Actions {
        // A wave output exists and the user's sound switch is on.
        std::function<bool()> soundAllowed;
        // The board accepts player input.
        std::function<bool()> ready;
        // Synchronous: returns when the tone has ended.
        std::function<void(int frequencyHz, int durationMs, int volume)> playTone;
        // Back to the normal arrow, for the screen and for the game.
        std::function<void()> restoreCursor;
        // Makes the current tip text the application's hint.
        std::function<void()> showTipHint;
        // Lifts the tip's cards for a moment.
        std::function<void()> tipClick;
    };

    explicit InputClickHook(Actions actions, QObject *parent = nullptr);
    ~InputClickHook() override;

    // On the application object; installing twice keeps one hook.
    void Install();
    void Remove();
    bool Installed() const { return FInstalled; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void KeyDown();
    void LeftButtonDown();
    void RightButtonDown();
    bool ClickAllowed() const;
    void Tone(int durationMs) const;

    Actions FActions;
    bool FInstalled = false;
};

} // namespace lumo
