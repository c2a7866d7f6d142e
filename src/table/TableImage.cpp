#include "table/TableImage.h"

#include "lookfeel/SvgArt.h"

#include <QMouseEvent>
#include <QPainter>

namespace lumo {

TableImage::TableImage(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_NoSystemBackground);
}

void TableImage::SetPicture(const QString &svgPath)
{
    if (svgPath == FPicture)
        return;
    FPicture = svgPath;
    update();
}

void TableImage::paintEvent(QPaintEvent *)
{
    if (FPicture.isEmpty())
        return;
    QPainter p(this);
    p.drawPixmap(0, 0, SvgArt::Render(FPicture, size(), devicePixelRatioF()));
}

void TableImage::mousePressEvent(QMouseEvent *event)
{
    FPressed = event->button() == Qt::LeftButton;
    event->accept();
}

void TableImage::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = FPressed && event->button() == Qt::LeftButton
        && rect().contains(event->position().toPoint());
    FPressed = false;
    event->accept();
    if (click)
        emit clicked();
}

} // namespace lumo
