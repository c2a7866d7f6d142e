#pragma once
// The settings file's text: the INI form QSettings reads and writes, of which
// this program uses only number values in the general section ("[General]",
// or lines before any section). Reading and rewriting are done here rather
// than by QSettings, whose own write reports success when the disk is full;
// the text is then saved through the checked atomic save. Qt-free.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lumo {

struct SettingsSwitch {
    std::string key;
    bool on = false;
};

// The key's value in the general section as a switch: any non-zero 32-bit
// number (signed or unsigned, optionally in double quotes) is on, zero is off.
// nullopt when the key is missing or holds anything else. The last line with
// the key counts, as in QSettings.
std::optional<bool> ReadSettingsSwitch(std::string_view text, std::string_view key);

// The text with each switch set to 1 or 0: every line of its key in the
// general section is rewritten in place; a missing key goes right below the
// "[General]" line, which is added at the top when there is none. Every other
// line stays byte for byte.
std::string WriteSettingsSwitches(std::string_view text, const std::vector<SettingsSwitch> &switches);

} // namespace lumo
