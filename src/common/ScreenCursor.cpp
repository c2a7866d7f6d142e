#include "common/ScreenCursor.h"

#include <QApplication>
#include <QCursor>

namespace lumo {

namespace {
ScreenCursorShape g_shape = ScreenCursorShape::Normal;
}

void SetScreenCursor(ScreenCursorShape shape)
{
    if (shape == ScreenCursorShape::Normal) {
        while (QApplication::overrideCursor())
            QApplication::restoreOverrideCursor();
        g_shape = shape;
        return;
    }
    const QCursor cursor(shape == ScreenCursorShape::Wait ? Qt::WaitCursor : Qt::SizeAllCursor);
    if (QApplication::overrideCursor())
        QApplication::changeOverrideCursor(cursor);
    else
        QApplication::setOverrideCursor(cursor);
    g_shape = shape;
}

ScreenCursorShape CurrentScreenCursor()
{
    return g_shape;
}

bool ScreenCursorIsNormal()
{
    return g_shape == ScreenCursorShape::Normal;
}

} // namespace lumo
