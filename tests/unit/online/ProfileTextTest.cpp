#include "online/ProfileText.h"
#include "online/UpdateVersion.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace lumo {
namespace {

TEST(ProfileText, FindsValuesAsTheProfileFormatReadsThem)
{
    struct Case {
        const char *text;
        const char *section;
        const char *key;
        std::optional<std::string> want;
    };
    const Case cases[] = {
        {"[VEMU]\r\nVersion=26470\r\n", "VEMU", "Version", "26470"},
        // Section and key match without regard to case; blanks around are trimmed.
        {"[vemu]\nversion = 26470 \n", "VEMU", "Version", "26470"},
        {"  [ Vemu ]  \rVERSION\t=\t26470\r", "VEMU", "Version", "26470"},
        // Other sections and their keys are ignored, also keys before any section.
        {"Version=1\n[Other]\nVersion=2\n[VEMU]\nVersion=3\n", "VEMU", "Version", "3"},
        {"[VEMU]\nNewVersion=x\n[Other]\nVersion=2\n", "VEMU", "Version", std::nullopt},
        // The first match wins; a later section of the same name is read too.
        {"[VEMU]\nVersion=1\nVersion=2\n", "VEMU", "Version", "1"},
        {"[VEMU]\nA=1\n[X]\n[VEMU]\nVersion=5\n", "VEMU", "Version", "5"},
        // Split at the first '='; the value may hold further ones and commas.
        {"[VEMU]\nNewVersion=a=b, c\n", "VEMU", "NewVersion", "a=b, c"},
        // One enclosing pair of quotes goes; unbalanced quotes stay.
        {"[VEMU]\nNewVersion=\"26.4.7.0\"\n", "VEMU", "NewVersion", "26.4.7.0"},
        {"[VEMU]\nNewVersion='x'\n", "VEMU", "NewVersion", "x"},
        {"[VEMU]\nNewVersion=\"x\n", "VEMU", "NewVersion", "\"x"},
        // Comments, lines without '=', an empty value.
        {"[VEMU]\n;Version=1\nVersion\nVersion=\n", "VEMU", "Version", ""},
        // A section line without its closing bracket ends the section.
        {"[VEMU]\n[broken\nVersion=1\n", "VEMU", "Version", std::nullopt},
        {"", "VEMU", "Version", std::nullopt},
        {"[VEMU", "VEMU", "Version", std::nullopt},
        {"[VEMU]\nVersion=7", "VEMU", "Version", "7"},
        {"[VEMU]\nVersion=7", "VEMUX", "Version", std::nullopt},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(ReadProfileString(c.text, c.section, c.key), c.want) << "text: " << c.text;
    }
    // A NUL byte is data like any other.
    const std::string withNul("[VEMU]\nNew\0Version=1\nNewVersion=2\n", 34);
    EXPECT_EQ(ReadProfileString(withNul, "VEMU", "NewVersion"), "2");
}

TEST(ProfileText, IntegersAreWholeDecimalNumbers)
{
    EXPECT_EQ(ParseProfileInteger("26470"), 26470);
    EXPECT_EQ(ParseProfileInteger("-1"), -1);
    EXPECT_EQ(ParseProfileInteger("+5"), 5);
    EXPECT_EQ(ParseProfileInteger("2147483647"), 2147483647);
    for (const char *garbage : {"", "+", "-", "+-5", "26470abc", "abc", "26 470", "0x10", "2147483648", "1.5"})
        EXPECT_EQ(ParseProfileInteger(garbage), std::nullopt) << garbage;
}

TEST(UpdateVersion, OnlyTheNext998VersionsAreNewer)
{
    // Own version 26.4.6.0 is 26460.
    struct Case {
        const char *info;
        bool newer;
    };
    const Case cases[] = {
        {"[VEMU]\nVersion=26460\n", false},
        {"[VEMU]\nVersion=26461\n", true},
        {"[VEMU]\nVersion=27458\n", true},
        {"[VEMU]\nVersion=27459\n", false},
        {"[VEMU]\nVersion=99999\n", false},
        {"[VEMU]\nVersion=26459\n", false},
        {"[VEMU]\nVersion=2147483647\n", false},
        {"[VEMU]\nNewVersion=27.0.0.0\n", false},
        {"[VEMU]\nVersion=garbage\n", false},
        {"[VEMU]\nVersion=26470x\n", false},
        {"[VEMU]\nVersion=\n", false},
        {"[vEmU]\nvErSiOn=26470\n", true},
        {"", false},
    };
    for (const Case &c : cases)
        EXPECT_EQ(EvaluateUpdateInfo(c.info, "26.4.6.0").newer, c.newer) << c.info;
}

TEST(UpdateVersion, OfferedVersionTextFallsBackToTheDotlessOwnVersion)
{
    EXPECT_EQ(EvaluateUpdateInfo("[VEMU]\nVersion=26470\nNewVersion=26.4.7.0\n", "26.4.6.0").newVersion, "26.4.7.0");
    EXPECT_EQ(EvaluateUpdateInfo("[VEMU]\nVersion=26470\n", "26.4.6.0").newVersion, "26460");
    EXPECT_EQ(EvaluateUpdateInfo("[VEMU]\nVersion=26470\nNewVersion=\n", "26.4.6.0").newVersion, "");
    EXPECT_EQ(DotlessVersion("26.4.6.0"), "26460");
}

TEST(UpdateVersion, AnOwnVersionThatIsNoNumberCountsAsZero)
{
    EXPECT_TRUE(EvaluateUpdateInfo("[VEMU]\nVersion=998\n", "dev").newer);
    EXPECT_FALSE(EvaluateUpdateInfo("[VEMU]\nVersion=999\n", "dev").newer);
}

} // namespace
} // namespace lumo
