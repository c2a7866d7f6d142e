#include "persistence/HighScoreText.h"

#include <gtest/gtest.h>

namespace lumo {
namespace {

TEST(HighScoreText, PointsTextIsEmptyUpToZero)
{
    EXPECT_EQ(PointsText(1250), "1250");
    EXPECT_EQ(PointsText(1), "1");
    EXPECT_EQ(PointsText(0), "");
    EXPECT_EQ(PointsText(-5), "");
}

TEST(HighScoreText, ShortDateCutsTheCentury)
{
    EXPECT_EQ(ShortDate("08.12.2026"), "08.12.26");
    EXPECT_EQ(ShortDate(""), "");
    EXPECT_EQ(ShortDate("08.12."), "08.12.");
    EXPECT_EQ(ShortDate("08.12.20"), "08.12.");
    EXPECT_EQ(ShortDate("08.12.202"), "08.12.2");
    EXPECT_EQ(ShortDate("b;08.12.2026"), "b;08.120");
}

TEST(HighScoreText, ParseInt32AcceptsOnlyWholeDecimalNumbers)
{
    EXPECT_EQ(ParseInt32("980"), 980);
    EXPECT_EQ(ParseInt32("-5"), -5);
    EXPECT_EQ(ParseInt32("+7"), 7);
    EXPECT_EQ(ParseInt32("2147483647"), 2147483647);
    EXPECT_EQ(ParseInt32(""), std::nullopt);
    EXPECT_EQ(ParseInt32("12a"), std::nullopt);
    EXPECT_EQ(ParseInt32("abc"), std::nullopt);
    EXPECT_EQ(ParseInt32("+"), std::nullopt);
    EXPECT_EQ(ParseInt32("++1"), std::nullopt);
    EXPECT_EQ(ParseInt32("2147483648"), std::nullopt);
}

} // namespace
} // namespace lumo
