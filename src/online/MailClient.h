#pragma once
// Whether the desktop has a mail program for mailto links: the default
// handler that xdg-mime names for x-scheme-handler/mailto, and its desktop
// entry existing in the applications folders of the XDG data directories.

#include <QString>

namespace lumo {

bool MailClientInstalled();

// The desktop file ID xdg-mime names (empty when none, or when xdg-mime is
// missing or does not answer within a few seconds).
QString DefaultMailHandler();

// Whether a desktop entry with this ID exists ("vendor-app.desktop" may lie
// in applications/vendor/app.desktop).
bool DesktopEntryExists(const QString &desktopId);

} // namespace lumo
