#include "companion/EyeGeometry.h"

#include <cmath>
#include <numbers>

namespace lumo {

EyeGeometry ComputeEyeGeometry(int width, int height)
{
    EyeGeometry g;
    g.width = width;
    g.height = height;
    g.leftEyeWidth = width / 2 - 1;
    g.rightEyeLeft = width / 2 + 1;
    g.leftCenterX = width / 4;
    g.rightCenterX = width / 2 + 1 + width / 4;
    g.centerY = height / 2.0;
    g.pupilRadius = (height > 10 && width > 10) ? (height + width) / 20 : 1;
    // The margin keeps the whole pupil, not only its centre, inside the eye's outline.
    g.pupilMargin = static_cast<int>(g.pupilRadius * 1.175);
    g.a = (width / 2 - 1) / 2.0 - g.pupilMargin;
    g.b = height / 2.0 - g.pupilMargin;
    return g;
}

int SquareByHeight(int width, int height)
{
    return height > width ? width : height;
}

namespace {

double Sign(double v)
{
    return v > 0 ? 1.0 : (v < 0 ? -1.0 : 0.0);
}

} // namespace

EyePoint PupilPosition(double cx, double cy, double a, double b, int px, int py)
{
    const double dx = px - cx;
    const double dy = py - cy;
    double x = px;
    double y = py;
    if (dx != 0.0 && dy != 0.0) {
        double angle = std::atan(dy / dx);
        if (dx < 0)
            angle += std::numbers::pi;
        const double s = a * std::sin(angle);
        const double c = b * std::cos(angle);
        const double rho = a * b / std::sqrt(s * s + c * c);
        if (std::sqrt(dx * dx + dy * dy) > rho) {
            x = cx + rho * std::cos(angle);
            y = cy + rho * std::sin(angle);
        }
    } else {
        // On an axis the ellipse formula degenerates; clamp each axis on its own.
        if (std::fabs(dx) >= a)
            x = cx + Sign(dx) * a;
        if (std::fabs(dy) >= b)
            y = cy + Sign(dy) * b;
    }
    return {static_cast<int>(std::trunc(x)), static_cast<int>(std::trunc(y))};
}

} // namespace lumo
