#include "companion/FadeLevels.h"

#include <gtest/gtest.h>

namespace lumo {
namespace {

TEST(FadeLevels, FadeOutOfTheDialog)
{
    const std::vector<int> levels = FadeLevels(false, 5, 255);
    ASSERT_EQ(levels.size(), 63u);
    EXPECT_EQ(levels.front(), 251);
    EXPECT_EQ(levels[1], 247);
    EXPECT_EQ(levels.back(), 3);
}

TEST(FadeLevels, FadeInEndsAtTheMaximum)
{
    const std::vector<int> levels = FadeLevels(true, 5, 255);
    ASSERT_GE(levels.size(), 2u);
    EXPECT_EQ(levels.front(), 5);
    EXPECT_EQ(levels[1], 9);
    EXPECT_EQ(levels[levels.size() - 2], 253);
    EXPECT_EQ(levels.back(), 255);
}

TEST(FadeLevels, MaximumIsTakenAsItsLowByte)
{
    const std::vector<int> levels = FadeLevels(true, 2, 300);
    EXPECT_EQ(levels.back(), 300 & 0xFF);
    EXPECT_EQ(levels.front(), 2);
}

} // namespace
} // namespace lumo
