#include "shell/DesktopKeeper.h"

namespace lumo {

ScreenRect KeepOnDesktop(const ScreenRect &window, const ScreenRect &desktop)
{
    ScreenRect r = window;
    const int desktopBottom = desktop.top + desktop.height;
    const int desktopRight = desktop.left + desktop.width;
    if (r.top < desktop.top)
        r.top = desktop.top + 1;
    if (r.top + r.height > desktopBottom)
        r.top = desktopBottom - r.height;
    if (r.left < desktop.left)
        r.left = desktop.left + 1;
    if (r.left + r.width > desktopRight)
        r.left = desktopRight - r.width - 1;
    return r;
}

} // namespace lumo
