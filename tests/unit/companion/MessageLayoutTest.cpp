#include "companion/MessageLayout.h"

#include <gtest/gtest.h>

namespace lumo {
namespace {

TEST(MessageLayout, SplitsAtEveryKindOfLineBreak)
{
    using V = std::vector<std::string>;
    EXPECT_EQ(SplitMessageLines("a\r\nb\rc\nd"), (V{"a", "b", "c", "d"}));
    EXPECT_EQ(SplitMessageLines("a\r\n"), (V{"a"}));
    EXPECT_EQ(SplitMessageLines("\r\na\r\n"), (V{"", "a"}));
    EXPECT_EQ(SplitMessageLines(""), (V{""}));
    EXPECT_EQ(SplitMessageLines("a\n\nb"), (V{"a", "", "b"}));
}

TEST(MessageLayout, OneLineInfoIsFourLinesPlusThirtyAndAtLeast290Wide)
{
    const MessageLayout l = LayoutMessage(100, 16, 1, kButtonsInfo);
    EXPECT_EQ(l.height, 16 * 4 + 30);
    EXPECT_EQ(l.width, 290);
    EXPECT_TRUE(l.showClose);
    EXPECT_FALSE(l.showYes);
    EXPECT_FALSE(l.showNo);
    EXPECT_EQ(l.closeLeft, (290 - 80) / 2);
}

TEST(MessageLayout, WideTextSetsTheWidth)
{
    const MessageLayout l = LayoutMessage(401, 15, 3, kButtonsInfo);
    EXPECT_EQ(l.width, 441);
    EXPECT_EQ(l.height, 15 * 6 + 30);
    EXPECT_EQ(l.closeLeft, 180);  // (441 - 80) / 2 truncated
}

TEST(MessageLayout, QuestionPutsYesAndNoAtTheRightEnd)
{
    const MessageLayout l = LayoutMessage(300, 16, 2, kButtonsQuestion);
    const int bar = 340 - 4;
    EXPECT_TRUE(l.showYes);
    EXPECT_TRUE(l.showNo);
    EXPECT_FALSE(l.showClose);
    EXPECT_EQ(l.noLeft, bar - 80 - 10);
    EXPECT_EQ(l.yesLeft, bar - 160 - 20);
    EXPECT_LT(l.yesLeft + 80, l.noLeft);
}

TEST(MessageLayout, CloseStaysLeftWhenOtherButtonsShowToo)
{
    const MessageLayout l = LayoutMessage(0, 16, 1, kButtonClose | kButtonNo);
    EXPECT_EQ(l.closeLeft, 10);
}

TEST(MessageLayout, DisplayTextFramesTheTrimmedTextAndTakesThePrefix)
{
    EXPECT_EQ(MessageDisplayText("  Hallo  ", ""), "\r\nHallo\r\n");
    EXPECT_EQ(MessageDisplayText("Weiter?", "Frage:"), "Frage:\r\nWeiter?\r\n");
    EXPECT_EQ(MessageDisplayText("x", "   "), "\r\nx\r\n");
    // The prefix itself is not trimmed.
    EXPECT_EQ(MessageDisplayText("x", " P "), " P \r\nx\r\n");
}

} // namespace
} // namespace lumo
