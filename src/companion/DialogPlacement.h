#pragma once
// Where the program's own dialogs appear: centred over the main window while
// it is visible, otherwise centred on the screen, never above or left of 0.

class QWidget;

namespace lumo {

// Moves the dialog there; done when it is shown, with its final size.
void CentreDialog(QWidget *dialog);

} // namespace lumo
