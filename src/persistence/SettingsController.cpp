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
    m_afterRead = m_settings;
    const std::optional<StoredSettings> stored = m_store.Load();
    if (!stored)
        return;
    m_stored = *stored;
    if (m_host.WaveOutputPresent()) {
        // Inverted here because the click below inverts it back.
        m_settings.FSoundOn = stored->sound ? !*stored->sound : false;
        m_settings.FAnimationOn = stored->animation.value_or(false);
        m_settings.FMusicOn = stored->music.value_or(false);
        m_appliedStored = true;
    } else {
        m_settings.FSoundOn = true;
    }
    // The handler, not the button's click(): the button is disabled without a
    // wave device, and the switch must still happen then.
    m_panel.bt_SoundonoffClick();
    m_afterRead = m_settings;
}

void SettingsController::WriteSettings()
{
    const auto value = [this](bool now, bool atStart, const std::optional<bool> &stored) {
        const bool keepStored = !m_appliedStored && stored.has_value() && now == atStart;
        return keepStored ? std::nullopt : std::optional<bool>(now);
    };
    const SettingsUpdate update{value(m_settings.FSoundOn, m_afterRead.FSoundOn, m_stored.sound),
        value(m_settings.FAnimationOn, m_afterRead.FAnimationOn, m_stored.animation),
        value(m_settings.FMusicOn, m_afterRead.FMusicOn, m_stored.music)};
    if (!m_store.Write(update)) {
        m_host.ShowInfo(QStringLiteral(
            "Sie verfügen nicht über ausreichende Berechtigungen um Benutzerdaten zu "
            "speichern.\r\nVerständigen Sie den Systemadministrator!"));
    }
}

} // namespace lumo
