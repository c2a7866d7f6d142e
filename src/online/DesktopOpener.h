#pragma once
// Hands a link to the desktop's handler for its scheme: the mail program for
// mailto, the browser for https.

#include <QString>

namespace lumo {

// Starts xdg-open with the link, detached; without xdg-open, Qt's own desktop
// services. True when the handler could be started (not whether it then
// worked). xdg-open comes first because it does not depend on the window
// system plugin.
bool OpenWithDesktop(const QString &url);

} // namespace lumo
