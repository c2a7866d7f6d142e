#include "shell/StartupChecks.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

using namespace lumo;

namespace {

struct ScreenCase {
    const char *label;
    ScreenFacts screen;
    const char *expected; // nullptr: passes
};

} // namespace

TEST(StartupErrorFor, ChecksDpiBeforeSize)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const std::vector<ScreenCase> cases = {
        {"exactly 800 x 600 at 96 dpi", {800, 600, 96.0, 1.0}, nullptr},
        {"799 wide", {799, 600, 96.0, 1.0}, kResolutionRefusalText},
        {"599 high", {800, 599, 96.0, 1.0}, kResolutionRefusalText},
        {"120 dpi on a large screen", {1920, 1080, 120.0, 1.0}, kDpiRefusalText},
        {"120 dpi on a small screen: only the dpi text", {640, 480, 120.0, 1.0}, kDpiRefusalText},
        {"2x HiDPI, 1600 x 1200 device pixels", {800, 600, 96.0, 2.0}, nullptr},
        {"2x HiDPI too small in logical pixels", {960, 540, 96.0, 2.0}, kResolutionRefusalText},
        {"fractional 1.25 scaling", {1536, 864, 96.0, 1.25}, nullptr},
        {"slightly off, as X servers measure it", {1024, 768, 100.0, 1.0}, nullptr},
        {"small texts at 72 dpi", {1024, 768, 72.0, 1.0}, kDpiRefusalText},
        {"72 dpi on a 2x screen still has pixels enough", {1024, 768, 72.0, 2.0}, nullptr},
        {"144 dpi even on a 2x screen overflows the labels", {1024, 768, 144.0, 2.0}, kDpiRefusalText},
        {"unknown dpi", {1024, 768, nan, 1.0}, nullptr},
        {"unknown pixel ratio", {1024, 768, 96.0, 0.0}, nullptr},
        {"no screen", {0, 0, 96.0, 1.0}, kResolutionRefusalText},
    };
    for (const ScreenCase &c : cases)
        EXPECT_EQ(StartupErrorFor(c.screen), c.expected ? std::string(c.expected) : std::string()) << c.label;
}

TEST(IsStandardDpi, TolerancesAroundNinetySix)
{
    EXPECT_TRUE(IsStandardDpi(105.6, 1.0));
    EXPECT_FALSE(IsStandardDpi(105.7, 1.0));
    EXPECT_TRUE(IsStandardDpi(86.4, 1.0));
    EXPECT_FALSE(IsStandardDpi(86.3, 1.0));
}

TEST(StartupRefusalMessage, PutsAnEmptyLineBetweenHeadAndReason)
{
    EXPECT_EQ(StartupRefusalMessage(kResolutionRefusalText),
              "Programm wird nicht ausgef\xC3\xBChrt.\r\n\r\n"
              "Sie ben\xC3\xB6tigen eine Bildschirmaufl\xC3\xB6sung \r\n"
              "von mindestens 800 x 600 Bildpunkten!\r\n"
              "Bitte \xC3\xA4ndern Sie diese in den Einstellungen der Systemsteuerung!");
}

TEST(NoDisplayRefusalForConsole, UsesPlainLineBreaks)
{
    const std::string text = NoDisplayRefusalForConsole();
    EXPECT_EQ(text.find('\r'), std::string::npos);
    EXPECT_EQ(text.rfind("Programm wird nicht ausgef\xC3\xBChrt.\n\nEs ist keine grafische Anzeige", 0), 0u) << text;
    EXPECT_EQ(text.back(), '\n');
}

TEST(DisplayAvailable, NeedsADisplayOrAPluginThatDrawsWithoutOne)
{
    struct Case {
        DisplayEnvironment environment;
        bool available;
    };
    const std::vector<Case> cases = {
        {{"", "", ""}, false},
        {{":0", "", ""}, true},
        {{"", "wayland-0", ""}, true},
        {{"", "", "xcb"}, false},
        {{"", "", "wayland;xcb"}, false},
        {{"  ", "", ""}, false},
        {{"", "", "offscreen"}, true},
        {{"", "", "xcb;offscreen"}, true},
        {{"", "", "offscreen:fontengine=freetype"}, true},
        {{"", "", "minimal"}, true},
        // A display that is named but does not answer is no display.
        {{":99", "", "", false}, false},
        {{":99", "", "xcb", false}, false},
        {{":99", "wayland-0", "", false}, true},
        {{":99", "", "offscreen", false}, true},
    };
    for (const Case &c : cases)
        EXPECT_EQ(DisplayAvailable(c.environment), c.available)
            << "DISPLAY='" << c.environment.display << "' WAYLAND_DISPLAY='" << c.environment.waylandDisplay
            << "' QT_QPA_PLATFORM='" << c.environment.qpaPlatform
            << "' answers=" << c.environment.xServerAnswers;
}
