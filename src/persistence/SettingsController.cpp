#include "persistence/SettingsController.h"

#include "persistence/SettingsPanel.h"

#include <utility>

namespace lumo {

SettingsController::SettingsController(SettingsStore store, UserSettings &settings,
                                       SettingsPanel &panel, SettingsHost &host)
    : m_store(std::move(store)), m_settings(settings), m_panel(panel), m_host(host)
{
}

void SettingsController::ReadSettings()
{
    if (!m_store.Exists())
        return;
    if (m_host.WaveOutputPresent()) {
        const StoredSettings stored = m_store.Read();
        // Inverted here because the click below inverts it back.
        m_settings.FSoundOn = stored.sound ? !*stored.sound : false;
        m_settings.FAnimationOn = stored.animation.value_or(false);
        m_settings.FMusicOn = stored.music.value_or(false);
    } else {
        m_settings.FSoundOn = true;
    }
    // The handler, not the button's click(): the button is disabled without a
    // wave device, and the switch must still happen then.
    m_panel.bt_SoundonoffClick();
}

void SettingsController::WriteSettings()
{
    if (!m_store.Write(m_settings.FSoundOn, m_settings.FAnimationOn, m_settings.FMusicOn)) {
        m_host.ShowInfo(QStringLiteral(
            "Sie verfügen nicht über ausreichende Berechtigungen um Benutzerdaten zu "
            "speichern.\r\nVerständigen Sie den Systemadministrator!"));
    }
}

} // namespace lumo
