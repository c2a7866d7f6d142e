// The settings file's text as QSettings writes it, read and rewritten by the
// program itself.
#include "persistence/SettingsText.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace lumo {
namespace {

struct ReadCase {
    const char *text;
    const char *key;
    std::optional<bool> value;
};

TEST(SettingsText, ReadsSwitchesOfTheGeneralSection)
{
    const ReadCase cases[] = {
        {"[General]\nOptAni=1\nOptMidi=0\nOptSound=1\n", "OptAni", true},
        {"[General]\nOptAni=1\nOptMidi=0\nOptSound=1\n", "OptMidi", false},
        {"[General]\r\nOptSound=1\r\n", "OptSound", true},
        {"OptSound=1\n", "OptSound", true}, // before any section
        {"[General]\nOptSound = 7 \n", "OptSound", true},
        {"[General]\nOptSound=\"0\"\n", "OptSound", false},
        {"[General]\nOptSound=-1\n", "OptSound", true},
        {"[General]\nOptSound=4294967295\n", "OptSound", true},
        {"[General]\nOptSound=4294967296\n", "OptSound", std::nullopt},
        {"[General]\nOptSound=abc\n", "OptSound", std::nullopt},
        {"[General]\nOptSound=1.5\n", "OptSound", std::nullopt},
        {"[General]\nOptSound=\"1, 2\"\n", "OptSound", std::nullopt},
        {"[General]\nOptSound=\n", "OptSound", std::nullopt},
        {"[General]\nOptSound=0\nOptSound=1\n", "OptSound", true}, // the last one counts
        {"[Other]\nOptSound=1\n", "OptSound", std::nullopt},
        {"[General]\n;OptSound=1\n", "OptSound", std::nullopt},
        {"[General]\noptsound=1\n", "OptSound", std::nullopt},
        {"", "OptSound", std::nullopt},
    };
    for (const ReadCase &c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(ReadSettingsSwitch(c.text, c.key), c.value);
    }
}

struct WriteCase {
    const char *before;
    const char *after;
};

TEST(SettingsText, WritesSwitchesKeepingEveryOtherLine)
{
    const std::vector<SettingsSwitch> switches{{"OptSound", true}, {"OptAni", false}};
    const WriteCase cases[] = {
        {"", "[General]\nOptSound=1\nOptAni=0\n"},
        {"[General]\nOptAni=1\nOptMidi=1\nOptSound=0\n", "[General]\nOptAni=0\nOptMidi=1\nOptSound=1\n"},
        {"[General]\nOptMidi=1\n", "[General]\nOptSound=1\nOptAni=0\nOptMidi=1\n"},
        {"[Other]\nOptSound=0\n", "[General]\nOptSound=1\nOptAni=0\n\n[Other]\nOptSound=0\n"},
        {"[General]\nOptSound=0\n; note\nFremd=x\n[Other]\nA=1",
            "[General]\nOptAni=0\nOptSound=1\n; note\nFremd=x\n[Other]\nA=1\n"},
        {"[General]\nOptSound=0\nOptSound=0\nOptAni=1\n", "[General]\nOptSound=1\nOptSound=1\nOptAni=0\n"},
    };
    for (const WriteCase &c : cases) {
        SCOPED_TRACE(c.before);
        EXPECT_EQ(WriteSettingsSwitches(c.before, switches), c.after);
    }
}

TEST(SettingsText, KeysNotWrittenStayAsStored)
{
    const std::string stored = "[General]\nOptAni=1\nOptMidi=\"1\"\nOptSound=1\n";
    const std::string written = WriteSettingsSwitches(stored, {{"OptSound", false}});
    EXPECT_EQ(written, "[General]\nOptAni=1\nOptMidi=\"1\"\nOptSound=0\n");
    EXPECT_EQ(WriteSettingsSwitches(stored, {}), stored);
}

} // namespace
} // namespace lumo
