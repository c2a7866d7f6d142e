#include "companion/BalloonGeometry.h"

#include <gtest/gtest.h>

namespace lumo {
namespace {

const BalloonMeasures kTitled{false, 80, 13, 150, 26};

TEST(BalloonGeometry, ArrowTipLandsOnThePointForEveryPosition)
{
    const TBalloonPosition all[] = {blnArrowTopLeft, blnArrowTopRight, blnArrowBottomLeft, blnArrowBottomRight};
    for (TBalloonPosition pos : all) {
        const BalloonLayout l = LayoutBalloon(500, 300, pos, kTitled);
        const BalloonPoint tip = l.triangle[l.tipIndex];
        EXPECT_EQ(l.left + tip.x, 500) << pos;
        EXPECT_EQ(l.top + tip.y, 300) << pos;
        // The tip lies outside the rounded body, the other two corners on its edge.
        const bool outside = tip.y < l.bodyY1 || tip.y >= l.bodyY2;
        EXPECT_TRUE(outside) << pos;
    }
}

TEST(BalloonGeometry, PositionsTable)
{
    struct Case {
        TBalloonPosition pos;
        int left, top;
        bool arrowAtTop;
        int bodyY1, bodyY2Offset;  // bodyY2 = height + offset
    };
    // Titled: title top 12 (32), text top title + 13 + 8, height text + 26 + 10 (+ 20).
    // Width: max(34 + 80, 10 + 150) + 10 = 170.
    const Case cases[] = {
        {blnArrowTopLeft, 500 - 150, 300 - 89, false, 0, -18},
        {blnArrowTopRight, 480, 300 - 89, false, 0, -18},
        {blnArrowBottomLeft, 500 - 150, 298, true, 22, 0},
        {blnArrowBottomRight, 480, 298, true, 22, 0},
    };
    for (const Case &c : cases) {
        const BalloonLayout l = LayoutBalloon(500, 300, c.pos, kTitled);
        EXPECT_EQ(l.width, 170) << c.pos;
        EXPECT_EQ(l.height, 89) << c.pos;
        EXPECT_EQ(l.left, c.left) << c.pos;
        EXPECT_EQ(l.top, c.top) << c.pos;
        EXPECT_EQ(l.arrowAtTop, c.arrowAtTop) << c.pos;
        EXPECT_EQ(l.bodyX1, 0);
        EXPECT_EQ(l.bodyX2, l.width);
        EXPECT_EQ(l.bodyY1, c.bodyY1) << c.pos;
        EXPECT_EQ(l.bodyY2, l.height + c.bodyY2Offset) << c.pos;
        EXPECT_EQ(l.title.top, c.arrowAtTop ? 32 : 12) << c.pos;
        EXPECT_EQ(l.icon.top, c.arrowAtTop ? 30 : 10) << c.pos;
        EXPECT_EQ(l.text.top, l.title.top + 13 + 8) << c.pos;
        EXPECT_TRUE(l.showIcon);
    }
}

TEST(BalloonGeometry, TrianglesStandTwentyPixelsFromTheirEnd)
{
    const BalloonLayout tl = LayoutBalloon(0, 0, blnArrowTopLeft, kTitled);
    const int w = tl.width, h = tl.height;
    EXPECT_EQ(tl.triangle[0].x, w - 40);
    EXPECT_EQ(tl.triangle[0].y, h - 20);
    EXPECT_EQ(tl.triangle[1].x, w - 20);
    EXPECT_EQ(tl.triangle[2].x, w - 20);
    EXPECT_EQ(tl.triangle[2].y, h - 20);

    const BalloonLayout br = LayoutBalloon(0, 0, blnArrowBottomRight, kTitled);
    EXPECT_EQ(br.triangle[0].x, 20);
    EXPECT_EQ(br.triangle[0].y, 2);
    EXPECT_EQ(br.triangle[1].x, 20);
    EXPECT_EQ(br.triangle[1].y, 22);
    EXPECT_EQ(br.triangle[2].x, 40);
    EXPECT_EQ(br.triangle[2].y, 22);
}

TEST(BalloonGeometry, EmptyTitleStartsTheTextAtTheTitlesTopWithoutIcon)
{
    // An empty auto-sized title still has a line's height but no width.
    const BalloonMeasures m{true, 0, 13, 120, 26};
    const BalloonLayout below = LayoutBalloon(100, 100, blnArrowTopRight, m);
    EXPECT_FALSE(below.showIcon);
    EXPECT_EQ(below.text.top, 12);
    EXPECT_EQ(below.text.left, 10);
    EXPECT_EQ(below.height, 12 + 26 + 10 + 20);
    EXPECT_EQ(below.width, 140);

    const BalloonLayout above = LayoutBalloon(100, 100, blnArrowBottomLeft, m);
    EXPECT_EQ(above.text.top, 32);
    EXPECT_EQ(above.height, 32 + 26 + 10);
}

TEST(BalloonGeometry, TitleWinsTheWidthOnlyWhenStrictlyWider)
{
    const BalloonMeasures longTitle{false, 200, 13, 50, 13};
    EXPECT_EQ(LayoutBalloon(0, 0, blnArrowTopRight, longTitle).width, 34 + 200 + 10);
    const BalloonMeasures equal{false, 100, 13, 124, 13};
    EXPECT_EQ(LayoutBalloon(0, 0, blnArrowTopRight, equal).width, 134 + 10);
}

} // namespace
} // namespace lumo
