#include "shell/SettingsWiring.h"

#include "companion/HintChannel.h"
#include "companion/MessageDialog.h"
#include "engine/Game.h"
#include "persistence/SettingsController.h"
#include "persistence/SettingsPanel.h"
#include "persistence/SettingsStore.h"
#include "shell/HoverReporter.h"
#include "shell/MenuController.h"
#include "sound/ToneOutput.h"
#include "timing/AnimationSwitch.h"

#include <QAbstractButton>

namespace lumo {

SettingsWiring::SettingsWiring(QWidget &mainPanel, QAbstractButton &menuEntry,
    UserSettings &settings, Game &game, ToneOutput &tones, AnimationSwitch &animation,
    HintChannel &hints, MenuController &menu, HoverReporter &hover)
    : FGame(game), FTones(tones), FAnimation(animation), FHints(hints), FMenu(menu)
{
    FPanel = new SettingsPanel(settings, *this, &mainPanel);
    FController = std::make_unique<SettingsController>(SettingsStore::ForProgram(), settings,
        *FPanel, *this);

    // The menu entry opens and closes the panel like its own "ok" button.
    connect(&menuEntry, &QAbstractButton::clicked, this, [this] { FPanel->bt_setupokClick(); });
    // Entering the panel closes the menu, as entering the table does.
    hover.Watch(FPanel);
}

SettingsWiring::~SettingsWiring() = default;

void SettingsWiring::ReadSettings()
{
    FController->ReadSettings();
}

void SettingsWiring::WriteSettings()
{
    FController->WriteSettings();
}

bool SettingsWiring::WaveOutputPresent() const
{
    return FTones.WaveOutputPresent();
}

void SettingsWiring::PlaySwitchOnTone()
{
    if (FGame.SoundOn())
        FTones.PlayTone(2000, 5, 20);
}

void SettingsWiring::SetAnimation(bool on)
{
    FAnimation.SetAnimation(on ? 1 : 0);
}

bool SettingsWiring::Ready() const
{
    return FGame.Ready();
}

void SettingsWiring::CloseMenu()
{
    FMenu.CloseMenu();
}

void SettingsWiring::AttachHintChannel()
{
    FHints.SetAttached(true);
}

void SettingsWiring::DetachHintChannel()
{
    FHints.SetAttached(false);
}

void SettingsWiring::ShowInfo(const QString &text)
{
    lumo::ShowInfo(text);
}

} // namespace lumo
