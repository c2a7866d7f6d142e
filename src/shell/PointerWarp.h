#pragma once
// Moving the mouse pointer where the window system lets a program do it.

class QPoint;

namespace lumo {

// Puts the pointer at a screen position. Wayland gives programs no way to
// move the pointer: there the step is skipped without a word.
void WarpPointer(const QPoint &position);

} // namespace lumo
