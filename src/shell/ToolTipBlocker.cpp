#include "shell/ToolTipBlocker.h"

#include <QApplication>
#include <QEvent>

namespace lumo {

ToolTipBlocker::ToolTipBlocker(QObject *parent) : QObject(parent)
{
    qApp->installEventFilter(this);
}

bool ToolTipBlocker::eventFilter(QObject *, QEvent *event)
{
    return event->type() == QEvent::ToolTip;
}

} // namespace lumo
