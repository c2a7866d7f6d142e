#include "lookfeel/ClickablePicture.h"

#include <QMouseEvent>

namespace lumo {

void ClickablePicture::mousePressEvent(QMouseEvent *event)
{
    FPressed = event->button() == Qt::LeftButton;
    event->accept();
}

void ClickablePicture::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = FPressed && event->button() == Qt::LeftButton
        && rect().contains(event->position().toPoint());
    FPressed = false;
    event->accept();
    if (click)
        emit clicked();
}

} // namespace lumo
