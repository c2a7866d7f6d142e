#pragma once
// One cursor for the whole screen, like a single global setting: the wait
// cursor, the four arrows while the window is moved, or the normal arrow.
// Setting it twice does not stack, and one "normal" always ends it.

#include <Qt>

namespace lumo {

enum class ScreenCursorShape { Normal, Wait, SizeAll };

void SetScreenCursor(ScreenCursorShape shape);
ScreenCursorShape CurrentScreenCursor();
bool ScreenCursorIsNormal();

} // namespace lumo
