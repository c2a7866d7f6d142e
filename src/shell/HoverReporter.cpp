#include "shell/HoverReporter.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>

#include <algorithm>

namespace lumo {

HoverReporter::HoverReporter(Handler handler, QObject *parent)
    : QObject(parent), FHandler(std::move(handler))
{
    qApp->installEventFilter(this);
}

void HoverReporter::Watch(QWidget *control)
{
    if (std::find(FControls.begin(), FControls.end(), control) == FControls.end())
        FControls.push_back(control);
}

void HoverReporter::Unwatch(QWidget *control)
{
    FControls.erase(std::remove(FControls.begin(), FControls.end(), control), FControls.end());
}

bool HoverReporter::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::MouseMove || !watched->isWidgetType())
        return false;
    auto *widget = static_cast<QWidget *>(watched);
    if (std::find(FControls.begin(), FControls.end(), widget) == FControls.end())
        return false;
    // A move that Qt passes up from a child is not a move over this control.
    const QPoint pos = static_cast<QMouseEvent *>(event)->position().toPoint();
    if (widget->childAt(pos))
        return false;
    if (FHandler)
        FHandler(widget);
    return false;
}

} // namespace lumo
