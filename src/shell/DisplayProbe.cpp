#include "shell/DisplayProbe.h"

#include <xcb/xcb.h>

namespace lumo {

bool DisplayProbe::XServerAnswers(const std::string &display)
{
    // xcb_connect always returns a connection object; a failed one only
    // carries the error and must be released all the same.
    xcb_connection_t *connection = xcb_connect(display.c_str(), nullptr);
    const bool answers = xcb_connection_has_error(connection) == 0;
    xcb_disconnect(connection);
    return answers;
}

} // namespace lumo
