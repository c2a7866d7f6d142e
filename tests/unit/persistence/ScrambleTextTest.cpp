#include "persistence/ScrambleText.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace lumo {
namespace {

TEST(ScrambleText, KnownVectorBothWays)
{
    EXPECT_EQ(ScrambleText("abc"), std::string("\xED\xA0\x92"));
    EXPECT_EQ(ScrambleText("\xED\xA0\x92"), "abc");
}

TEST(ScrambleText, TrimsBeforeScrambling)
{
    // The key stream depends on the trimmed length, so surrounding blanks and
    // line breaks must not change the result.
    EXPECT_EQ(ScrambleText(" \tabc\r\n"), ScrambleText("abc"));
    EXPECT_EQ(ScrambleText(" \r\n "), "");
}

TEST(ScrambleText, PlainAsciiBecomesHighBytes)
{
    const std::string scrambled = ScrambleText("1250;Anna;08.12.2026\r980;Ben;07.12.2026\r0;;");
    for (char c : scrambled)
        EXPECT_GE(static_cast<unsigned char>(c), 0x80);
}

TEST(ScrambleText, RoundTripOfRandomTexts)
{
    std::mt19937 random(20260408);
    std::uniform_int_distribution<int> length(1, 300);
    std::uniform_int_distribution<int> byte(33, 255);
    for (int run = 0; run < 500; ++run) {
        std::string text(static_cast<std::size_t>(length(random)), ' ');
        for (char &c : text)
            c = static_cast<char>(byte(random));
        const std::string scrambled = ScrambleText(text);
        ASSERT_EQ(scrambled.size(), text.size());
        // A scrambled byte can land in 0..32 only when the plain byte is >= 0x80;
        // the ends of these texts may be such bytes, so compare only untrimmed runs.
        if (static_cast<unsigned char>(scrambled.front()) > 32
            && static_cast<unsigned char>(scrambled.back()) > 32) {
            EXPECT_EQ(ScrambleText(scrambled), text);
        }
    }
}

} // namespace
} // namespace lumo
