#include "persistence/Windows1252.h"

#include <gtest/gtest.h>

#include <string>

namespace lumo {
namespace {

struct CodecCase {
    const char *utf8;
    const char *bytes;
};

TEST(Windows1252, ConvertsBothWays)
{
    const CodecCase cases[] = {
        {"Anna", "Anna"},
        {"J\xC3\xB6rg", "J\xF6rg"},                          // ö
        {"\xC3\x84\xC3\x96\xC3\x9C\xC3\x9F", "\xC4\xD6\xDC\xDF"}, // ÄÖÜß
        {"\xE2\x82\xAC", "\x80"},                            // €
        {"\xC5\x92", "\x8C"},                                // Œ
        {"\xE2\x84\xA2", "\x99"},                            // ™
        {"\xC2\xA0", "\xA0"},                                // no-break space
    };
    for (const CodecCase &c : cases) {
        EXPECT_EQ(Utf8ToWindows1252(c.utf8), c.bytes) << c.utf8;
        EXPECT_EQ(Windows1252ToUtf8(c.bytes), c.utf8) << c.utf8;
    }
}

TEST(Windows1252, ReplacesWhatItCannotHold)
{
    EXPECT_EQ(Utf8ToWindows1252("a\xE6\xBC\xA2" "b"), "a?b");         // CJK ideograph
    EXPECT_EQ(Utf8ToWindows1252("\xF0\x9F\x98\x80"), "?");            // emoji, 4 bytes
    EXPECT_EQ(Utf8ToWindows1252("\xC2\x85"), "?");                    // C1 control not in the page
    EXPECT_EQ(Utf8ToWindows1252("x\xC3"), "x?");                      // truncated sequence
    EXPECT_EQ(Utf8ToWindows1252("\xFF" "a"), "?a");                   // invalid lead byte
    EXPECT_EQ(Utf8ToWindows1252("\xC0\xB6"), "?");                    // overlong encoding
    EXPECT_EQ(Utf8ToWindows1252("\xED\xA0\x80"), "?");                // surrogate
}

TEST(Windows1252, EveryByteRoundTrips)
{
    std::string all;
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    EXPECT_EQ(Utf8ToWindows1252(Windows1252ToUtf8(all)), all);
}

} // namespace
} // namespace lumo
