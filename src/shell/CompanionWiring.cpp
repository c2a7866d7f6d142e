#include "shell/CompanionWiring.h"

#include "companion/TBalloon.h"
#include "companion/AnimatedPicture.h"
#include "companion/HintBalloonPresenter.h"
#include "companion/HintChannel.h"
#include "companion/MessageDialog.h"
#include "companion/TBalloonControl.h"
#include "engine/Game.h"
#include "shell/LumoForm.h"
#include "shell/MakerWebAddress.h"
#include "shell/QtGameHost.h"
#include "shell/TipLift.h"
#include "shell/TitleBar.h"

namespace lumo {

CompanionWiring::CompanionWiring(TLumoForm &form)
    : QObject(&form),
      FForm(form),
      FChannel(new HintChannel(this)),
      FPresenter(new HintBalloonPresenter(form.panel_menue->i_logo, this)),
      FTipLift(std::make_unique<TipLift>(form.Engine(), form.Host()))
{
    form.panel_menue->i_logo->setToolTip(QString::fromLatin1(kMakerWebAddress));

    connect(FChannel, &HintChannel::HintChanged, FPresenter, &HintBalloonPresenter::ShowHintBalloon);
    AttachHintChannel();
    form.HideHintBalloon = [this] { HideHintBalloon(); };

    QtGameHost &host = form.Host();
    host.OnApplicationHint = [this](const QString &text) { SetApplicationHint(text); };
    host.OnAskQuestion = [](const QString &text) { return AskQuestion(text, true); };
    // Messages and questions centre over the main window while it is shown.
    SetDialogMainWindow(&form);
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
    Game &game = FForm.Engine();
    if (!game.Ready())
        return;
    SetApplicationHint(QString::fromStdString(game.TipText()));
    i_tippClick();
}

AnimatedPicture *CompanionWiring::Logo() const
{
    return FForm.panel_menue->i_logo;
}

} // namespace lumo
