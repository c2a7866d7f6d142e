#include "companion/EyeGeometry.h"

#include <gtest/gtest.h>

#include <cmath>

namespace lumo {
namespace {

TEST(EyeGeometry, BirdEyesSize)
{
    const EyeGeometry g = ComputeEyeGeometry(25, 17);
    EXPECT_EQ(g.pupilRadius, 2);
    EXPECT_EQ(g.pupilMargin, 2);
    EXPECT_EQ(g.leftEyeWidth, 11);
    EXPECT_EQ(g.rightEyeLeft, 13);
    EXPECT_EQ(g.leftCenterX, 6);
    EXPECT_EQ(g.rightCenterX, 19);
    EXPECT_DOUBLE_EQ(g.centerY, 8.5);
    EXPECT_DOUBLE_EQ(g.a, 3.5);
    EXPECT_DOUBLE_EQ(g.b, 6.5);
}

TEST(EyeGeometry, SmallControlsGetTheSmallestPupil)
{
    struct Case { int w, h, radius, margin; };
    const Case cases[] = {
        {10, 10, 1, 1},  // not above 10
        {10, 50, 1, 1},
        {50, 10, 1, 1},
        {11, 11, 1, 1},  // (11 + 11) div 20
        {100, 100, 10, 11},
        {40, 40, 4, 4},  // 4 * 1.175 = 4.7 truncates
    };
    for (const Case &c : cases) {
        const EyeGeometry g = ComputeEyeGeometry(c.w, c.h);
        EXPECT_EQ(g.pupilRadius, c.radius) << c.w << "x" << c.h;
        EXPECT_EQ(g.pupilMargin, c.margin) << c.w << "x" << c.h;
    }
}

TEST(EyeGeometry, HeightIsCutToWidth)
{
    EXPECT_EQ(SquareByHeight(25, 40), 25);
    EXPECT_EQ(SquareByHeight(25, 17), 17);
    EXPECT_EQ(SquareByHeight(25, 25), 25);
}

TEST(PupilPosition, PointerInsideEllipseIsThePupil)
{
    // Eye centre (106, 208.5), a 3.5, b 6.5: the pointer one right and three up lies inside.
    const EyePoint p = PupilPosition(106, 208.5, 3.5, 6.5, 107, 206);
    EXPECT_EQ(p.x, 107);
    EXPECT_EQ(p.y, 206);
}

TEST(PupilPosition, OnTheAxesEachCoordinateIsClampedAlone)
{
    struct Case { int px, py, x, y; };
    // Centre (106, 200): dy = 0 or dx = 0 takes the axis rule.
    const Case cases[] = {
        {5000, 200, 109, 200},   // far right: cx + a, truncated from 109.5
        {-5000, 200, 102, 200},  // far left: 102.5 truncates toward zero
        {106, 900, 106, 206},    // far below: cy + b
        {106, -900, 106, 193},   // far above: 193.5 truncates
        {108, 200, 108, 200},    // inside on the row: the pointer itself
        {106, 200, 106, 200},    // exactly at the centre
    };
    for (const Case &c : cases) {
        const EyePoint p = PupilPosition(106, 200, 3.5, 6.5, c.px, c.py);
        EXPECT_EQ(p.x, c.x) << c.px << "," << c.py;
        EXPECT_EQ(p.y, c.y) << c.px << "," << c.py;
    }
}

TEST(PupilPosition, FarDiagonalLandsOnTheEllipseTowardThePointer)
{
    const double cx = 300, cy = 400.5, a = 3.5, b = 6.5;
    const int pointers[][2] = {{1300, 1400}, {-700, 1400}, {-700, -600}, {1300, -600}, {1300, 450}, {290, 1400}};
    for (const auto &ptr : pointers) {
        // The point of the ellipse x = a cos t, y = b sin t that lies on the ray
        // toward the pointer, computed independently of the polar formula.
        const double dirX = ptr[0] - cx, dirY = ptr[1] - cy;
        const double t = std::atan2(a * dirY, b * dirX);
        const double ex = cx + a * std::cos(t), ey = cy + b * std::sin(t);
        ASSERT_NEAR(std::atan2(ey - cy, ex - cx), std::atan2(dirY, dirX), 1e-9);
        const EyePoint p = PupilPosition(cx, cy, a, b, ptr[0], ptr[1]);
        EXPECT_EQ(p.x, static_cast<int>(std::trunc(ex))) << ptr[0] << "," << ptr[1];
        EXPECT_EQ(p.y, static_cast<int>(std::trunc(ey))) << ptr[0] << "," << ptr[1];
    }
}

TEST(PupilPosition, ExactEllipsePointForAFortyFiveDegreePointer)
{
    // a = b = 10 is a circle: a pointer far on the diagonal sits at 10 / sqrt(2) ~ 7.07.
    const EyePoint p = PupilPosition(0.0, 0.0, 10, 10, 1000, 1000);
    EXPECT_EQ(p.x, 7);
    EXPECT_EQ(p.y, 7);
    const EyePoint q = PupilPosition(0.0, 0.0, 10, 10, -1000, -1000);
    EXPECT_EQ(q.x, -7);
    EXPECT_EQ(q.y, -7);
}

} // namespace
} // namespace lumo
