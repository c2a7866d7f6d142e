#pragma once
// The application-wide input hook: every key press and mouse button press is
// seen once, on its way from the window system into a window, before any
// widget gets it. Keys and left clicks tick while the board is ready and sound
// is on; releasing the left button ends any wait cursor; the right button asks
// for the tip. The hook never swallows an event.

#include <QObject>

namespace lumo {

class Game;
class GameHost;
class TipLift;

class InputClickHook : public QObject {
    Q_OBJECT
public:
    // The game says whether the board is ready and sound is on (its SoundOn)
    // and holds the tip and the wait cursor; the host plays the tones and
    // takes the tip as the application's hint; the tip lift shows its cards.
    InputClickHook(Game &game, GameHost &host, TipLift &tipLift, QObject *parent = nullptr);
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

    Game &FGame;
    GameHost &FHost;
    TipLift &FTipLift;
    bool FInstalled = false;
};

} // namespace lumo
