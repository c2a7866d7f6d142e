#pragma once
// Where a window goes so that it stays on the (virtual) desktop.

namespace lumo {

struct ScreenRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// The window's new top-left corner. The rules run in this order: above the
// top -> one pixel below the top edge; past the bottom -> flush with it; left
// of the left edge -> one pixel inside; past the right -> one pixel inside.
// Edges are taken from the desktop's own origin, so a desktop that does not
// start at (0, 0) (a monitor left of the primary one) is handled too.
ScreenRect KeepOnDesktop(const ScreenRect &window, const ScreenRect &desktop);

} // namespace lumo
