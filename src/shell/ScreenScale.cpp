#include "shell/ScreenScale.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace lumo {

namespace {

constexpr int kNeededWidth = 800;
constexpr int kNeededHeight = 600;

} // namespace

std::optional<double> FittingQtScaleFactor(const ScreenScale &screen)
{
    const double factor = screen.effectiveFactor;
    if (!(factor > 0) || !(screen.qtScaleFactor > 0) || screen.deviceWidth <= 0 || screen.deviceHeight <= 0)
        return std::nullopt;
    if (screen.deviceWidth < kNeededWidth || screen.deviceHeight < kNeededHeight)
        return std::nullopt;
    // Qt rounds the logical size to whole pixels.
    const bool fits = std::lround(screen.deviceWidth / factor) >= kNeededWidth &&
        std::lround(screen.deviceHeight / factor) >= kNeededHeight;
    if (fits)
        return std::nullopt;
    const double largest = std::min(static_cast<double>(screen.deviceWidth) / kNeededWidth,
        static_cast<double>(screen.deviceHeight) / kNeededHeight);
    // Hundredths keep the value readable; the epsilon keeps 1.8 from becoming 1.79.
    const double chosen = std::max(1.0, std::floor(largest * 100.0 + 1e-9) / 100.0);
    return screen.qtScaleFactor * chosen / factor;
}

double QtScaleFactorOf(const char *value)
{
    if (!value || !*value)
        return 1.0;
    char *end = nullptr;
    const double parsed = std::strtod(value, &end);
    // Like Qt, only the whole text as a number counts; blanks may surround it.
    while (end && (*end == ' ' || *end == '\t'))
        ++end;
    const bool whole = end != value && end && *end == '\0';
    return whole && parsed > 0 && std::isfinite(parsed) ? parsed : 1.0;
}

} // namespace lumo
