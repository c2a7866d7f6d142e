#pragma once
// Fades a top-level window's opacity in or out, step by step.

class QWidget;

namespace lumo {

// Walks the opacity through FadeLevels(fadeIn, step, maxAlpha) (of 255) with
// Delay(0) between the changes. Where the window system cannot change a
// window's opacity nothing happens, so a closing window simply closes. A null
// window is ignored.
void FadeWindow(QWidget *window, bool fadeIn, int step, int maxAlpha);

} // namespace lumo
