#include "shell/HelpCommand.h"

#include "shell/AboutBox.h"
#include "shell/HelpHost.h"
#include "shell/HelpText.h"

namespace lumo {

HelpCommand::HelpCommand(HelpHost &host, TextShower show, TextSource text)
    : FHost(host), FShow(std::move(show)), FText(std::move(text))
{
    if (!FShow)
        FShow = [](const QString &t) { ShowAboutText(t); };
    if (!FText)
        FText = [] { return QString::fromStdString(CurrentHelpText()); };
}

void HelpCommand::bt_helpmClick()
{
    if (FShowing)
        return;
    const bool hintHookAttached = FHost.HintHookAttached();
    FHost.CloseMenu();
    const bool animationOn = FHost.AnimationOn();
    FHost.SetAnimation(false);

    // However the help ends, the hooks and the animation come back as they were.
    const auto restore = [&] {
        FShowing = false;
        FHost.AttachMessageHook();
        if (hintHookAttached)
            FHost.AttachHintHook();
        FHost.SetAnimation(animationOn);
    };
    FShowing = true;
    try {
        FHost.DetachMessageHook();
        FHost.DetachHintHook();
        FShow(FText());
    } catch (...) {
        restore();
        throw;
    }
    restore();
}

} // namespace lumo
