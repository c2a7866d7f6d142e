#pragma once
// Reading the stored switches at start-up and storing them at the end.

#include "persistence/SettingsHost.h"
#include "persistence/SettingsStore.h"
#include "persistence/UserSettings.h"

namespace lumo {

class SettingsPanel;

class SettingsController {
public:
    SettingsController(SettingsStore store, UserSettings &settings, SettingsPanel &panel,
                       SettingsHost &host);

    // Once during start-up, after the first deal. Without a store (first run)
    // nothing changes; otherwise the sound button is clicked once, which
    // leaves sound as stored (on when the value is missing, off without a
    // wave device) and plays the switch-on tone when it switches sound on.
    void ReadSettings();

    // Only when the user ends the program through an end button.
    void WriteSettings();

    const SettingsStore &store() const { return m_store; }

private:
    SettingsStore m_store;
    UserSettings &m_settings;
    SettingsPanel &m_panel;
    SettingsHost &m_host;
};

} // namespace lumo
