#pragma once
// Feeds the start-up checks from Qt's screen and shows their refusal.

#include "shell/StartupChecks.h"

#include <QString>

class QScreen;

namespace lumo {

// The numbers the checks look at, for the given screen (the primary one when
// null). A missing screen gives zero sizes, which fail the size check.
ScreenFacts ScreenFactsOf(const QScreen *screen = nullptr);

// `StartupError`: the first failing check's text for the primary screen, with
// CR LF kept; empty when the program may run. Needs the QApplication.
QString StartupError();

// Shows "Programm wird nicht ausgeführt." with the error in a plain message box
// with a single OK button and returns when it is closed. The text keeps its
// own line breaks and no others.
void ShowStartupRefusal(const QString &startupError);

} // namespace lumo
