#pragma once
// The program's only ways to show a message or ask a yes/no question.

#include <QString>

#include <cstdint>

class QWidget;

namespace lumo {

// The window the dialogs centre on while it is visible; none by default, and
// then they centre on the screen. The pointer is watched, so a destroyed
// window is simply forgotten.
void SetDialogMainWindow(QWidget *mainWindow);
QWidget *DialogMainWindow();

// Shows the dialog modally; returns true only for "&Ja" or "&Schließen".
bool ShowMessageDialog(const QString &text, std::uint16_t buttons, const QString &prefix, bool centred);

// A message with a single close button. Keys typed while it was open are
// dropped afterwards, so the closing key does not act on the window below.
void ShowInfo(const QString &text, const QString &prefix = QString(), bool centred = true);

// A yes/no question headed "Frage:"; true only for "&Ja".
bool AskQuestion(const QString &text, bool centred = true);

} // namespace lumo
