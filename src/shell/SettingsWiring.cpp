#include "shell/SettingsWiring.h"

#include "companion/MessageDialog.h"
#include "engine/Game.h"
#include "persistence/SettingsController.h"
#include "persistence/SettingsPanel.h"
#include "persistence/SettingsStore.h"
#include "shell/CompanionWiring.h"
#include "shell/HoverReporter.h"
#include "shell/LumoForm.h"
#include "shell/MenuPanel.h"
#include "shell/QtGameHost.h"

#include <QAbstractButton>

namespace lumo {

SettingsWiring::SettingsWiring(TLumoForm &form) : QObject(&form), FForm(form)
{
    FPanel = new SettingsPanel(form.FSettings, *this, form.p_haupt);
    form.p_engine = FPanel;
    FController = std::make_unique<SettingsController>(SettingsStore::ForProgram(), form.FSettings,
        *FPanel, *this);

    form.ReadSettings = [this] { FController->ReadSettings(); };
    form.WriteSettings = [this] { FController->WriteSettings(); };
    // Until the creatures exist the animation switch is the setting alone;
    // their owner replaces this with the real switch.
    if (!form.SetAnimation)
        form.SetAnimation = [&form](bool on) { form.FAnimationOn = on; };

    // The menu entry opens and closes the panel like its own "ok" button.
    connect(form.p_menue->bt_setup, &QAbstractButton::clicked, FPanel,
        [this] { FPanel->bt_setupokClick(); });
    // Entering the panel closes the menu, as entering the table does.
    form.Hover().Watch(FPanel);
}

SettingsWiring::~SettingsWiring() = default;

bool SettingsWiring::WaveOutputPresent() const
{
    return FForm.Host().WaveOutputPresent();
}

void SettingsWiring::PlaySwitchOnTone()
{
    if (FForm.Host().WaveOutputPresent() && FForm.FSoundOn && !FForm.Engine().QuietStart())
        FForm.Host().PlayTone(2000, 5, 20);
}

void SettingsWiring::SetAnimation(bool on)
{
    if (FForm.SetAnimation)
        FForm.SetAnimation(on);
}

bool SettingsWiring::Ready() const
{
    return FForm.Engine().Ready();
}

void SettingsWiring::CloseMenu()
{
    FForm.CloseMenu();
}

void SettingsWiring::AttachHintChannel()
{
    if (auto *companion = FForm.findChild<CompanionWiring *>(QString(), Qt::FindDirectChildrenOnly))
        companion->AttachHintChannel();
}

void SettingsWiring::DetachHintChannel()
{
    if (auto *companion = FForm.findChild<CompanionWiring *>(QString(), Qt::FindDirectChildrenOnly))
        companion->DetachHintChannel();
}

void SettingsWiring::ShowInfo(const QString &text)
{
    lumo::ShowInfo(text);
}

} // namespace lumo
