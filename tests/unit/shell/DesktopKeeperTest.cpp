#include "shell/DesktopKeeper.h"

#include <gtest/gtest.h>

namespace {

using lumo::ScreenRect;

struct Case {
    const char *name;
    ScreenRect window;
    ScreenRect desktop;
    int wantLeft;
    int wantTop;
};

TEST(DesktopKeeper, PullsTheWindowBackByTheFourRules)
{
    const ScreenRect desk{0, 0, 1280, 1024};
    const Case cases[] = {
        {"inside stays", {100, 200, 792, 541}, desk, 100, 200},
        {"above top -> one pixel inside", {100, -30, 792, 541}, desk, 100, 1},
        {"past bottom -> flush", {100, 600, 792, 541}, desk, 100, 1024 - 541},
        {"left of left -> one pixel inside", {-50, 100, 792, 541}, desk, 1, 100},
        {"past right -> one pixel inside", {600, 100, 792, 541}, desk, 1280 - 792 - 1, 100},
        {"corner off both", {-10, -10, 792, 541}, desk, 1, 1},
        {"exactly flush right stays", {488, 0, 792, 541}, desk, 488, 0},
        {"one pixel past right", {489, 0, 792, 541}, desk, 487, 0},
        {"exactly flush bottom stays", {0, 483, 792, 541}, desk, 0, 483},
        {"desktop left of primary", {-1700, 10, 792, 541}, {-1600, 0, 2880, 1024}, -1599, 10},
        {"desktop with offset, past right", {1200, 10, 792, 541}, {-1600, 0, 2880, 1024},
         1280 - 792 - 1, 10},
    };
    for (const Case &c : cases) {
        const ScreenRect r = lumo::KeepOnDesktop(c.window, c.desktop);
        EXPECT_EQ(r.left, c.wantLeft) << c.name;
        EXPECT_EQ(r.top, c.wantTop) << c.name;
        EXPECT_EQ(r.width, c.window.width) << c.name;
        EXPECT_EQ(r.height, c.window.height) << c.name;
    }
}

TEST(DesktopKeeper, BottomRuleWinsOverTopWhenTheWindowIsTallerThanTheDesktop)
{
    // Taller than the desktop: the top rule puts it at 1, then the bottom rule
    // pulls it flush with the bottom edge (the later rule has the last word).
    const ScreenRect r = lumo::KeepOnDesktop({0, -5, 792, 700}, {0, 0, 800, 600});
    EXPECT_EQ(r.top, 600 - 700);
}

} // namespace
