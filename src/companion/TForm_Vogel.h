#pragma once
// The helper bird standing freely on the desktop at start-up: a transparent
// window in the bird's shape, with eyes that follow the pointer and a speech
// balloon above its head.

#include <QWidget>

#include <functional>

namespace lumo {

class AnimatedPicture;
class TAugen;
class TBalloonControl;

class TForm_Vogel : public QWidget {
    Q_OBJECT

public:
    explicit TForm_Vogel(QWidget *parent = nullptr);
    ~TForm_Vogel() override;

    // Shows the text in the bird's balloon (above its head, extending toward
    // the middle of the screen), lets the bird grin and, with sound, plays the
    // greeting. Blank text only closes the balloon. Does nothing while the
    // window is hidden or disabled.
    void Say(const QString &text, bool withSound);
    // Plays the grin twice, keeping the bird on top.
    void Grin();

    // Sound hooks: whether a wave output exists, and playing the greeting
    // recording (false when the platform reports a failure). Unset, no sound plays.
    void SetWaveOutputPresent(std::function<bool()> present);
    void SetGreetingPlayer(std::function<bool()> play);

    AnimatedPicture *Vogel() const { return FVogel; }
    TAugen *Augen() const { return FAugen; }
    TBalloonControl *Balloon() const { return bh_1; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    AnimatedPicture *FVogel;
    TAugen *FAugen;
    TBalloonControl *bh_1;
    std::function<bool()> FWaveOutputPresent;
    std::function<bool()> FPlayGreeting;
    bool FCentred = false;
};

} // namespace lumo
