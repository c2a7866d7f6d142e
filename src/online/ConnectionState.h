#pragma once
// Whether the computer has a network connection, as the update and the web
// link ask before they go online. Qt's network information backend answers
// where one loads (on Debian the GLib monitor, or NetworkManager); where none
// loads or it cannot tell, a network interface other than loopback that is up
// and running with an address counts as a connection.

#include <QString>

namespace lumo {

bool IsConnected();

// Which source answered the last IsConnected(): the backend's name, or
// "interfaces".
QString ConnectionSource();

// The interfaces' answer alone.
bool AnyInterfaceConnected();

} // namespace lumo
