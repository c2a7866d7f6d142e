#pragma once
// The checks that decide, before any window exists, whether the program can
// run on this desktop, and the texts it refuses with. Qt-free so the rules
// can be tested on plain numbers; StartupChecksQt.h feeds them from the screen.

#include <string>
#include <string_view>

namespace lumo {

// The refusal texts (UTF-8, CR LF line breaks).
extern const char *const kDpiRefusalText;
extern const char *const kResolutionRefusalText;
extern const char *const kNoDisplayRefusalText;

// The screen as the program sees it after Qt's high-DPI scaling.
struct ScreenFacts {
    int logicalWidth = 0;         // QScreen::size(), logical pixels
    int logicalHeight = 0;
    double logicalDpi = 96.0;     // QScreen::logicalDotsPerInch(), after scaling
    double devicePixelRatio = 1.0;
};

// Whether the window's 96-dpi layout can be shown at its intended size.
//
// The window is laid out in logical pixels with fonts given in points, so
// logical pixels per point are what matter, not the monitor's density: Qt's
// device pixel ratio already turns a 2x screen into a 96-dpi logical one.
// Two ways remain in which the layout breaks:
//  - Texts too large: a logical DPI above 96 + 10 % makes every text larger
//    than its fixed-size label, so words get cut off. Refused.
//  - Texts too small: a logical DPI below 96 is harmless while the device
//    pixels still give each point at least 90 % of the pixels it has on a
//    plain 96-dpi screen (logical DPI x pixel ratio >= 86.4); below that the
//    texts render with too few pixels to be read. Refused.
// Values Qt could not determine (zero, negative, not a number) do not refuse:
// a missing number is no evidence against the desktop.
bool IsStandardDpi(double logicalDpi, double devicePixelRatio);

// The first failing check's text, empty when all pass. The DPI check runs
// before the size check, so a large screen at 120 dpi gets only the DPI text.
// The size check wants at least 800 x 600 logical pixels.
std::string StartupErrorFor(const ScreenFacts &screen);

// The text shown when a check failed:
// "Programm wird nicht ausgeführt." + CR LF + CR LF + the error.
std::string StartupRefusalMessage(std::string_view startupError);

// The refusal for a terminal, when there is no display to show a box on:
// the same head and reason with LF line breaks.
std::string NoDisplayRefusalForConsole();

// What decides whether Qt can open a window at all.
struct DisplayEnvironment {
    std::string display;        // $DISPLAY
    std::string waylandDisplay; // $WAYLAND_DISPLAY
    std::string qpaPlatform;    // $QT_QPA_PLATFORM, may list several with ';'
    bool xServerAnswers = true; // the X server named by display accepted a connection
};

// True when a Wayland display is named, when an X display is named and its
// server answers, or when the platform list names one that needs neither
// (offscreen, minimal, eglfs, linuxfb, vnc, ...). Without a display Qt would
// abort while creating the application object, so this is asked before that.
bool DisplayAvailable(const DisplayEnvironment &environment);
// The same for this process's environment; the X server is asked only when
// the answer depends on it.
bool DisplayAvailable();

} // namespace lumo
