#pragma once
// The colour scheme every window of the program shares.

#include <QColor>

namespace lumo::LookColors {

inline QColor DarkBlue() { return QColor(51, 94, 168); }
inline QColor LightBlue() { return QColor(209, 225, 250); }
// Buttons, frames and plain panels.
inline QColor FrameBlue() { return QColor(58, 110, 165); }
// Separator lines in the menu and the settings panel.
inline QColor SeparatorBlue() { return QColor(110, 150, 210); }
// Bottom colour of the card table.
inline QColor TableGreen() { return QColor(0, 128, 64); }
// Shine of a glass button while the pointer is over it.
inline QColor HoverLime() { return QColor(0, 255, 0); }

} // namespace lumo::LookColors
