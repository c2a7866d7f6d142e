#pragma once
// Layout and outline of a balloon tip from the measured sizes of its labels.
// Qt-free; the window only measures text and applies the result.

#include "companion/BalloonTypes.h"

#include <array>

namespace lumo {

struct BalloonPoint {
    int x = 0;
    int y = 0;
};

struct BalloonRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

struct BalloonLayout {
    int width = 0;   // window width
    int height = 0;  // window height
    int left = 0;    // window position on the screen
    int top = 0;
    bool arrowAtTop = false;
    bool showIcon = false;
    BalloonRect title;
    BalloonRect text;
    BalloonRect icon;
    // Window coordinates of the rounded body (x1, y1, x2, y2 as in the corner
    // form: right and bottom edges exclusive) and its corner ellipse size.
    int bodyX1 = 0, bodyY1 = 0, bodyX2 = 0, bodyY2 = 0;
    int cornerEllipse = 7;
    // The arrow triangle; tipIndex names the corner outside the body, which
    // lands on the requested screen point.
    std::array<BalloonPoint, 3> triangle{};
    int tipIndex = 0;
};

struct BalloonMeasures {
    bool titleEmpty = true;  // the title is empty after trimming
    int titleWidth = 0;      // the auto-sized title label (an empty one keeps a line's height)
    int titleHeight = 0;
    int textWidth = 0;
    int textHeight = 0;
};

constexpr int kBalloonArrowSize = 20;

bool BalloonArrowAtTop(TBalloonPosition position);

// Lays out a balloon whose arrow tip touches the screen point (x, y).
BalloonLayout LayoutBalloon(int x, int y, TBalloonPosition position, const BalloonMeasures &m);

} // namespace lumo
