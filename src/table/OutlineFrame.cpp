#include "table/OutlineFrame.h"

#include <QPainter>

namespace lumo {

OutlineFrame::OutlineFrame(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_NoSystemBackground);
}

void OutlineFrame::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setPen(QColor(128, 128, 128));
    p.setBrush(Qt::NoBrush);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

} // namespace lumo
