#include "shell/PointerTracker.h"

#include <QApplication>
#include <QCursor>
#include <QMouseEvent>

namespace lumo {

PointerTracker::PointerTracker(QObject *parent) : QObject(parent)
{
    qApp->installEventFilter(this);
}

QPoint PointerTracker::GlobalPos() const
{
    return FSeen ? FPos : QCursor::pos();
}

bool PointerTracker::eventFilter(QObject *, QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseMove:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
        FPos = static_cast<QMouseEvent *>(event)->globalPosition().toPoint();
        FSeen = true;
        break;
    default:
        break;
    }
    return false;
}

} // namespace lumo
