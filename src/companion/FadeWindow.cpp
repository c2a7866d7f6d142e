#include "companion/FadeWindow.h"

#include "companion/FadeLevels.h"
#include "common/EventHelpers.h"

#include <QGuiApplication>
#include <QWidget>

namespace lumo {

namespace {

// Window systems known to blend a window's opacity. Elsewhere (offscreen,
// framebuffers, Wayland without the extension) a fade would change nothing.
bool OpacitySupported()
{
    const QString platform = QGuiApplication::platformName();
    return platform == QLatin1String("xcb") || platform == QLatin1String("windows")
        || platform == QLatin1String("cocoa");
}

} // namespace

void FadeWindow(QWidget *window, bool fadeIn, int step, int maxAlpha)
{
    if (!window || !OpacitySupported())
        return;
    QWidget *top = window->window();
    for (int level : FadeLevels(fadeIn, step, maxAlpha)) {
        top->setWindowOpacity(level / 255.0);
        Delay(0);
    }
}

} // namespace lumo
