#include "shell/HelpWiring.h"

#include "companion/HintChannel.h"
#include "persistence/UserSettings.h"
#include "shell/HelpCommand.h"
#include "shell/InputClickHook.h"
#include "shell/KeyCommands.h"
#include "shell/MenuController.h"
#include "shell/SoundWiring.h"
#include "timing/AnimationSwitch.h"

#include <QAbstractButton>

namespace lumo {

HelpWiring::HelpWiring(QAbstractButton &bt_help, QAbstractButton &bt_helpm, HintChannel &hints,
    MenuController &menu, AnimationSwitch &animation, UserSettings &settings, SoundWiring &sound)
    : FHints(hints),
      FMenu(menu),
      FAnimation(animation),
      FSettings(settings),
      FSound(sound),
      FCommand(std::make_unique<HelpCommand>(static_cast<HelpHost &>(*this))),
      FKeys(std::make_unique<KeyCommands>(KeyCommands::Actions{
          [this] { bt_helpmClick(); },
          // As a click on btn_musik.
          [this] { FSound.StartMidiSound(); }}))
{
    connect(&bt_help, &QAbstractButton::clicked, this, [this] { bt_helpmClick(); });
    connect(&bt_helpm, &QAbstractButton::clicked, this, [this] { bt_helpmClick(); });
}

HelpWiring::~HelpWiring() = default;

void HelpWiring::bt_helpmClick()
{
    FCommand->bt_helpmClick();
}

void HelpWiring::FormKeyDown(QKeyEvent *event)
{
    FKeys->FormKeyDown(event);
}

void HelpWiring::CloseMenu()
{
    FMenu.CloseMenu();
}

bool HelpWiring::AnimationOn() const
{
    return FSettings.FAnimationOn;
}

void HelpWiring::SetAnimation(bool on)
{
    FAnimation.SetAnimation(on ? 1 : 0);
}

void HelpWiring::AttachMessageHook()
{
    FSound.ClickHook().Install();
}

void HelpWiring::DetachMessageHook()
{
    FSound.ClickHook().Remove();
}

bool HelpWiring::HintHookAttached() const
{
    return FHints.IsAttached();
}

void HelpWiring::AttachHintHook()
{
    FHints.SetAttached(true);
}

void HelpWiring::DetachHintHook()
{
    FHints.SetAttached(false);
}

} // namespace lumo
