#pragma once
// Shows each new hint of the application in a balloon beside the title-bar
// bird logo, for two seconds; the logo grins with it.

#include <QObject>
#include <QPointer>
#include <QString>

namespace lumo {

class AnimatedPicture;
class TBalloonControl;

class HintBalloonPresenter : public QObject {
    Q_OBJECT

public:
    // The logo is watched; without one the balloon points at (0, 0).
    explicit HintBalloonPresenter(AnimatedPicture *logo, QObject *parent = nullptr);

    // Texts of three characters or fewer (after trimming) are ignored and the
    // current balloon stays. A text starting with "Tipp!" gets the title
    // "Nächster Zug?" with the info icon. Returns once the balloon is on the
    // screen, painted (timers run meanwhile, user input waits).
    void ShowHintBalloon(const QString &hint);

    TBalloonControl *Balloon() const { return b_hint; }

private:
    QPointer<AnimatedPicture> FLogo;
    TBalloonControl *b_hint;
};

} // namespace lumo
