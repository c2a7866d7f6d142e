#include "shell/CompanionWiring.h"

#include "companion/AnimatedPicture.h"
#include "companion/HintBalloonPresenter.h"
#include "companion/HintChannel.h"
#include "companion/MessageDialog.h"
#include "companion/TBalloon.h"
#include "companion/TBalloonControl.h"
#include "engine/Game.h"
#include "shell/MakerWebAddress.h"
#include "shell/TipLift.h"

namespace lumo {

CompanionWiring::CompanionWiring(AnimatedPicture &logo, Game &game, GameHost &host, QWidget &mainWindow)
    : FLogo(logo),
      FGame(game),
      FChannel(new HintChannel(this)),
      FPresenter(new HintBalloonPresenter(&logo, this)),
      FTipLift(std::make_unique<TipLift>(game, host))
{
    logo.setToolTip(QString::fromLatin1(kMakerWebAddress));

    connect(FChannel, &HintChannel::HintChanged, FPresenter, &HintBalloonPresenter::ShowHintBalloon);
    AttachHintChannel();
    // Messages and questions centre over the main window while it is shown.
    SetDialogMainWindow(&mainWindow);
}

// The hint balloons belong to no window; they go with the main window, as the
// bird's balloon goes with the bird.
CompanionWiring::~CompanionWiring()
{
    TBalloon::CloseAll();
}

void CompanionWiring::AttachHintChannel()
{
    FChannel->SetAttached(true);
}

void CompanionWiring::DetachHintChannel()
{
    FChannel->SetAttached(false);
}

bool CompanionWiring::HintChannelAttached() const
{
    return FChannel->IsAttached();
}

void CompanionWiring::SetApplicationHint(const QString &text)
{
    FChannel->SetHint(text);
}

QString CompanionWiring::ApplicationHint() const
{
    return FChannel->Hint();
}

void CompanionWiring::HideHintBalloon()
{
    FPresenter->Balloon()->CloseAllBalloons();
}

void CompanionWiring::i_tippClick()
{
    FTipLift->i_tippClick();
}

void CompanionWiring::ShowTip()
{
    if (!FGame.Ready())
        return;
    SetApplicationHint(QString::fromStdString(FGame.TipText()));
    i_tippClick();
}

} // namespace lumo
