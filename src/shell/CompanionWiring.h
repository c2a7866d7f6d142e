#pragma once
// The companion in the main window: the title-bar bird logo, the application's
// hint channel with its balloon beside the logo, the tip on the board, and the
// message dialog centred over the main window.

#include <QObject>
#include <QString>

#include <memory>

class QWidget;

namespace lumo {

class AnimatedPicture;
class Game;
class GameHost;
class HintBalloonPresenter;
class HintChannel;
class TipLift;

class CompanionWiring : public QObject {
    Q_OBJECT
public:
    // The hint channel is attached from here on; messages and questions
    // centre over mainWindow while it is shown.
    CompanionWiring(AnimatedPicture &logo, Game &game, GameHost &host, QWidget &mainWindow);
    ~CompanionWiring() override;

    // The control hints and notices reach the bird's balloon while attached.
    // The settings switch and the help detach and re-attach it.
    void AttachHintChannel();
    void DetachHintChannel();
    bool HintChannelAttached() const;

    // Makes the text the application's current hint; a different text than
    // the current one is shown beside the logo (when attached).
    void SetApplicationHint(const QString &text);
    QString ApplicationHint() const;

    // Closes the hint balloons (the window is about to be dragged).
    void HideHintBalloon();

    // Lifts the tip's two cards for a moment (see TipLift).
    void i_tippClick();
    // The right-click tip: while the board is Ready, the tip text becomes the
    // application's hint and the cards are lifted.
    void ShowTip();

    AnimatedPicture *Logo() const { return &FLogo; }
    HintChannel &Channel() const { return *FChannel; }
    HintBalloonPresenter &Presenter() const { return *FPresenter; }
    TipLift &Tip() const { return *FTipLift; }

private:
    AnimatedPicture &FLogo;
    Game &FGame;
    HintChannel *FChannel;
    HintBalloonPresenter *FPresenter;
    std::unique_ptr<TipLift> FTipLift;
};

} // namespace lumo
