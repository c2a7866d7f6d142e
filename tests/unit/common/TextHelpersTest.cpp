#include "common/TextHelpers.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct TrimCase {
    std::string input;
    std::string expected;
};

class TrimTest : public testing::TestWithParam<TrimCase> {};

TEST_P(TrimTest, RemovesControlCharactersAndBlanksAtBothEnds)
{
    EXPECT_EQ(lumo::Trim(GetParam().input), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, TrimTest,
    testing::Values(TrimCase{"\tHallo\r\n", "Hallo"},
                    TrimCase{"  zwei Worte  ", "zwei Worte"},
                    TrimCase{std::string("\0\x1f x \x01", 6), "x"},
                    TrimCase{"innen\tbleibt", "innen\tbleibt"},
                    TrimCase{" \t\r\n", ""},
                    TrimCase{"", ""},
                    // Bytes above 32 stay, also the high half of Windows-1252.
                    TrimCase{"\xfc" "ber\xa0", "\xfc" "ber\xa0"}));

struct RepeatCase {
    std::string text;
    int count;
    std::string expected;
};

class RepeatTextTest : public testing::TestWithParam<RepeatCase> {};

TEST_P(RepeatTextTest, RepeatsCountMinusOneTimes)
{
    EXPECT_EQ(lumo::RepeatText(GetParam().text, GetParam().count), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, RepeatTextTest,
    testing::Values(RepeatCase{" ", 12, std::string(11, ' ')},
                    RepeatCase{" ", 1, ""},
                    RepeatCase{"", 5, ""},
                    RepeatCase{"ab", 3, "abab"},
                    RepeatCase{"x", 0, ""},
                    RepeatCase{"x", -4, ""}));

} // namespace
