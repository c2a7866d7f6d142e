#include "shell/CaptionText.h"
#include "shell/Marquee.h"

#include <gtest/gtest.h>

namespace {

std::u32string FromUtf8(const std::string &s)
{
    std::u32string out;
    for (std::size_t i = 0; i < s.size();) {
        const unsigned char c = static_cast<unsigned char>(s[i]);
        int extra = c < 0x80 ? 0 : c < 0xE0 ? 1 : c < 0xF0 ? 2 : 3;
        char32_t cp = extra == 0 ? c : c & (0x3F >> extra);
        for (int k = 1; k <= extra; ++k)
            cp = (cp << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3F);
        out.push_back(cp);
        i += 1 + extra;
    }
    return out;
}

TEST(Marquee, MovesFirstCharacterToTheEnd)
{
    EXPECT_EQ(lumo::RotateMarquee(U"Lumo "), U"umo L");
    EXPECT_EQ(lumo::RotateMarquee(U"umo L"), U"mo Lu");
}

TEST(Marquee, ShortTextsStay)
{
    EXPECT_EQ(lumo::RotateMarquee(U""), U"");
    EXPECT_EQ(lumo::RotateMarquee(U"x"), U"x");
}

TEST(Marquee, CaptionReturnsToItsStartAfterOneTickPerCharacter)
{
    const std::u32string caption = FromUtf8(lumo::MakeCaptionText(2026));
    std::u32string text = caption;
    for (std::size_t tick = 1; tick < caption.size(); ++tick) {
        text = lumo::RotateMarquee(text);
        ASSERT_NE(text, caption) << "back to the start too early, after " << tick;
    }
    text = lumo::RotateMarquee(text);
    EXPECT_EQ(text, caption);
}

TEST(Marquee, CopyrightSignMovesAsOneCharacter)
{
    std::u32string text = FromUtf8(lumo::MakeCaptionText(2026));
    for (int i = 0; i < 5; ++i)
        text = lumo::RotateMarquee(text);
    EXPECT_EQ(text.front(), U'\u00A9');
}

TEST(CaptionText, HolderNoticeWithYearRangeAndTrailingBlank)
{
    EXPECT_EQ(lumo::MakeCaptionText(2026), "Lumo \xC2\xA9 2003/2026 vemu ");
    EXPECT_EQ(lumo::MakeCaptionText(2031), "Lumo \xC2\xA9 2003/2031 vemu ");
}

} // namespace
