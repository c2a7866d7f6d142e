#include "shell/ScreenScale.h"

#include <gtest/gtest.h>

#include <optional>

namespace lumo {
namespace {

struct Case {
    const char *name;
    ScreenScale screen;
    std::optional<double> expected;
};

class FittingQtScaleFactorTest : public ::testing::TestWithParam<Case> {};

TEST_P(FittingQtScaleFactorTest, ChoosesTheLargestFactorThatFits)
{
    const Case &c = GetParam();
    const std::optional<double> result = FittingQtScaleFactor(c.screen);
    ASSERT_EQ(result.has_value(), c.expected.has_value()) << c.name;
    if (c.expected) {
        EXPECT_NEAR(*result, *c.expected, 1e-9) << c.name;
    }
}

INSTANTIATE_TEST_SUITE_P(Screens, FittingQtScaleFactorTest,
    ::testing::Values(
        // 1920 x 1080 at 200 %: 960 x 540 logical is too low; 1080 / 600 = 1.8.
        Case{"full HD, QT_SCALE_FACTOR=2", {1920, 1080, 2.0, 2.0}, 1.8},
        // The desktop's own 200 % (Xft.dpi 192) comes without QT_SCALE_FACTOR:
        // 0.9 on top of it makes 1.8.
        Case{"full HD, desktop at 200 %", {1920, 1080, 2.0, 1.0}, 0.9},
        // 1600 x 900 at 150 %: 1066 x 600 fits already.
        Case{"fits as it is", {1600, 900, 1.5, 1.5}, std::nullopt},
        Case{"fits exactly at 1", {800, 600, 1.0, 1.0}, std::nullopt},
        // 2560 x 1440 at 300 %: 1440 / 600 = 2.4.
        Case{"QHD at 300 %", {2560, 1440, 3.0, 3.0}, 2.4},
        // 1024 x 768 at 200 %: the largest is 1.28, the width limits it.
        Case{"width limits", {1024, 768, 2.0, 2.0}, 1.28},
        // Just enough pixels for factor 1.
        Case{"800 x 600 at 125 %", {800, 600, 1.25, 1.25}, 1.0},
        // Truly too small: the start-up check refuses, no factor changes that.
        Case{"640 x 480 at 100 %", {640, 480, 1.0, 1.0}, std::nullopt},
        Case{"799 x 600 at 200 %", {799, 600, 2.0, 2.0}, std::nullopt},
        Case{"no screen", {0, 0, 1.0, 1.0}, std::nullopt},
        Case{"unusable factor", {1920, 1080, 0.0, 1.0}, std::nullopt}),
    [](const ::testing::TestParamInfo<Case> &param) { return std::to_string(param.index); });

TEST(QtScaleFactorOfTest, ReadsTheVariableAsQtDoes)
{
    EXPECT_EQ(QtScaleFactorOf(nullptr), 1.0);
    EXPECT_EQ(QtScaleFactorOf(""), 1.0);
    EXPECT_EQ(QtScaleFactorOf("2"), 2.0);
    EXPECT_EQ(QtScaleFactorOf("1.5 "), 1.5);
    EXPECT_EQ(QtScaleFactorOf("2x"), 1.0);
    EXPECT_EQ(QtScaleFactorOf("-2"), 1.0);
    EXPECT_EQ(QtScaleFactorOf("0"), 1.0);
}

} // namespace
} // namespace lumo
