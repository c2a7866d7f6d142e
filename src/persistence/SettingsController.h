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

    // Only when the user ends the program through an end button. A value
    // this run did not read (no wave device) and the user did not change is
    // left as stored, so a run without sound does not erase the settings.
    void WriteSettings();

    const SettingsStore &store() const { return m_store; }

private:
    SettingsStore m_store;
    UserSettings &m_settings;
    SettingsPanel &m_panel;
    SettingsHost &m_host;
    // What the store held at start-up, whether its values were applied, and
    // the switches as start-up left them.
    StoredSettings m_stored;
    bool m_appliedStored = false;
    UserSettings m_afterRead;
};

} // namespace lumo
