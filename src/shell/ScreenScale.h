#pragma once
// The scale factor at which the window fits the screen. A desktop at 200 %
// on a 1920 x 1080 screen leaves 960 x 540 logical pixels, too few for the
// 800 x 600 the window needs, although the screen has the pixels: there the
// program scales itself down to the largest factor that fits. Qt-free, so
// the rule is tested on plain numbers; main() feeds it from the screen.

#include <optional>

namespace lumo {

struct ScreenScale {
    int deviceWidth = 0; // the screen in device pixels
    int deviceHeight = 0;
    double effectiveFactor = 1.0; // device pixels per logical pixel, all of Qt's settings applied
    double qtScaleFactor = 1.0;   // $QT_SCALE_FACTOR, 1 when unset or not a number
};

// The value for QT_SCALE_FACTOR that makes the effective factor the largest
// one, at least 1, at which the screen gives 800 x 600 logical pixels
// (rounded down to hundredths). Nothing when the window fits as it is, when
// the screen has fewer than 800 x 600 device pixels (the start-up check
// refuses those) or when the numbers are unusable.
std::optional<double> FittingQtScaleFactor(const ScreenScale &screen);

// $QT_SCALE_FACTOR as Qt reads it: a positive number, else 1.
double QtScaleFactorOf(const char *value);

} // namespace lumo
