// Any bytes as the settings file: reading never fails, writing the switches
// gives a text that reads back exactly those values and leaves every other
// key of the general section reading as before.
#include "FuzzRequire.h"
#include "persistence/SettingsText.h"

#include <cstdint>
#include <string>
#include <string_view>

using lumo::fuzz::Require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    // The first byte picks the values written, the rest is the file.
    const unsigned pick = data[0];
    const std::string_view text(reinterpret_cast<const char *>(data + 1), size - 1);
    const char *keys[] = {"OptSound", "OptAni", "OptMidi"};
    for (const char *key : keys)
        (void)lumo::ReadSettingsSwitch(text, key);

    std::vector<lumo::SettingsSwitch> switches;
    for (unsigned i = 0; i < 2; ++i) {
        if (pick & (1u << (2 * i)))
            switches.push_back({keys[i], (pick & (2u << (2 * i))) != 0});
    }
    const std::string written = lumo::WriteSettingsSwitches(text, switches);
    for (const lumo::SettingsSwitch &s : switches)
        Require(lumo::ReadSettingsSwitch(written, s.key) == std::optional<bool>(s.on));
    // OptMidi is never written here: it reads as it did.
    Require(lumo::ReadSettingsSwitch(written, "OptMidi") == lumo::ReadSettingsSwitch(text, "OptMidi"));
    Require(lumo::WriteSettingsSwitches(written, switches) == written);
    return 0;
}
