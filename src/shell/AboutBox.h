#pragma once
// The program's about box: a text shown as a credits roll, modally.

#include <QString>

namespace lumo {

// Shows the text (lines split at CR LF) in a new about box and returns once
// the user has closed it; the box is gone by then. A blank text shows nothing.
void ShowAboutText(const QString &text);

} // namespace lumo
