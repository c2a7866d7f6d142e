#include "shell/PointerWarp.h"

#include <QCursor>
#include <QGuiApplication>
#include <QPoint>

namespace lumo {

void WarpPointer(const QPoint &position)
{
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        return;
    QCursor::setPos(position);
}

} // namespace lumo
