#pragma once
// The arithmetic behind the eyes control: where the eyes lie inside the control
// and where a pupil rests for a given pointer. Qt-free so it can be tested alone.

namespace lumo {

struct EyePoint {
    int x = 0;
    int y = 0;
};

// Everything that follows from the control's size.
struct EyeGeometry {
    int width = 0;
    int height = 0;
    int leftEyeWidth = 0;  // right edge of the left eye's box (box starts at 0)
    int rightEyeLeft = 0;  // left edge of the right eye's box (box ends at width)
    int leftCenterX = 0;
    int rightCenterX = 0;
    double centerY = 0.0;
    int pupilRadius = 1;
    int pupilMargin = 1;
    double a = 0.0;  // horizontal semi-axis of the ellipse the pupil centre stays in
    double b = 0.0;  // vertical semi-axis of it
};

// Integer divisions truncate toward zero, as the control's layout was drawn with.
EyeGeometry ComputeEyeGeometry(int width, int height);

// The control never grows taller than wide: a height above the width is cut to it.
int SquareByHeight(int width, int height);

// Pupil centre for an eye centred at (cx, cy) with semi-axes a and b, looking at
// the pointer (px, py). The pupil sits on the pointer while the pointer is inside
// the ellipse, otherwise on the ellipse in the pointer's direction. All in the
// same coordinate system (screen pixels); the result is truncated toward zero.
EyePoint PupilPosition(double cx, double cy, double a, double b, int px, int py);

} // namespace lumo
