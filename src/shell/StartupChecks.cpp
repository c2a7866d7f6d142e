#include "shell/StartupChecks.h"

#include "common/TextHelpers.h"
#include "shell/DisplayProbe.h"

#include <cmath>
#include <cstdlib>
#include <initializer_list>

namespace lumo {

const char *const kDpiRefusalText =
    "Das Programm l\xC3\xA4uft optimal bei einer DPI-Einstellung von \"96\"!\r\n"
    "\xC3\x84ndern Sie die Einstellung, wie nachfolgend beschrieben und\r\n"
    "starten sie anschlie\xC3\x9F" "end Ihren Rechner sowie das Pogramm erneut!\r\n"
    "(Rechtsklick auf dem Desktop - im Men\xC3\xBC \"Eigenschaften\" - Reiter \"Einstellungen\" - "
    "Schalter \"Erweitert\" - dpi-einstellung)";

const char *const kResolutionRefusalText =
    "Sie ben\xC3\xB6tigen eine Bildschirmaufl\xC3\xB6sung \r\n"
    "von mindestens 800 x 600 Bildpunkten!\r\n"
    "Bitte \xC3\xA4ndern Sie diese in den Einstellungen der Systemsteuerung!";

const char *const kNoDisplayRefusalText =
    "Es ist keine grafische Anzeige verf\xC3\xBCgbar.\r\n"
    "Starten Sie das Programm in einer Desktop-Sitzung (DISPLAY oder WAYLAND_DISPLAY)!";

namespace {

constexpr double kDesignDpi = 96.0;
constexpr double kTolerance = 0.10;
constexpr int kMinimumWidth = 800;
constexpr int kMinimumHeight = 600;

bool Known(double value)
{
    return std::isfinite(value) && value > 0.0;
}

// Platform plugins that draw without an X server or Wayland compositor.
bool NeedsNoDisplay(std::string_view plugin)
{
    for (std::string_view own : {"offscreen", "minimal", "minimalegl", "eglfs", "linuxfb", "vnc",
                                 "vkkhrdisplay"}) {
        if (plugin == own)
            return true;
    }
    return false;
}

std::string Environment(const char *name)
{
    const char *value = std::getenv(name);
    return value ? std::string(value) : std::string();
}

} // namespace

bool IsStandardDpi(double logicalDpi, double devicePixelRatio)
{
    if (!Known(logicalDpi))
        return true;
    if (logicalDpi > kDesignDpi * (1.0 + kTolerance))
        return false;
    const double ratio = Known(devicePixelRatio) ? devicePixelRatio : 1.0;
    return logicalDpi * ratio >= kDesignDpi * (1.0 - kTolerance);
}

std::string StartupErrorFor(const ScreenFacts &screen)
{
    if (!IsStandardDpi(screen.logicalDpi, screen.devicePixelRatio))
        return kDpiRefusalText;
    if (screen.logicalWidth < kMinimumWidth || screen.logicalHeight < kMinimumHeight)
        return kResolutionRefusalText;
    return {};
}

std::string StartupRefusalMessage(std::string_view startupError)
{
    return "Programm wird nicht ausgef\xC3\xBChrt.\r\n\r\n" + std::string(startupError);
}

std::string NoDisplayRefusalForConsole()
{
    std::string text = StartupRefusalMessage(kNoDisplayRefusalText);
    for (auto pair = text.find("\r\n"); pair != std::string::npos; pair = text.find("\r\n", pair))
        text.erase(pair, 1);
    return text + "\n";
}

bool DisplayAvailable(const DisplayEnvironment &environment)
{
    if (!Trim(environment.waylandDisplay).empty())
        return true;
    if (!Trim(environment.display).empty() && environment.xServerAnswers)
        return true;
    std::string_view platforms = environment.qpaPlatform;
    while (!platforms.empty()) {
        const auto end = platforms.find(';');
        std::string entry = Trim(platforms.substr(0, end));
        // Plugin options follow a colon: "offscreen:fontengine=freetype".
        entry = entry.substr(0, entry.find(':'));
        if (NeedsNoDisplay(entry))
            return true;
        if (end == std::string_view::npos)
            break;
        platforms.remove_prefix(end + 1);
    }
    return false;
}

bool DisplayAvailable()
{
    DisplayEnvironment environment{
        Environment("DISPLAY"), Environment("WAYLAND_DISPLAY"), Environment("QT_QPA_PLATFORM"), false};
    if (DisplayAvailable(environment))
        return true;
    if (Trim(environment.display).empty())
        return false;
    environment.xServerAnswers = DisplayProbe::XServerAnswers(environment.display);
    return DisplayAvailable(environment);
}

} // namespace lumo
