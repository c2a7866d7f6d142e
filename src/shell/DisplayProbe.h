#pragma once
// Asks the X server itself whether it is there. Qt aborts the process when its
// platform cannot connect, so this runs before the application object exists.

#include <string>

namespace lumo {

class DisplayProbe {
public:
    // Opens and closes one connection to the named display (the same name Qt
    // would use); true when the server accepted it.
    static bool XServerAnswers(const std::string &display);
};

} // namespace lumo
