#include "lookfeel/GradientPanel.h"

#include "lookfeel/LookColors.h"

#include <QLinearGradient>
#include <QPainter>

namespace lumo {

GradientPanel::GradientPanel(QWidget *parent)
    : GradientPanel(LookColors::FrameBlue(), LookColors::FrameBlue(), Direction::Vertical, parent)
{
}

GradientPanel::GradientPanel(QColor start, QColor end, Direction direction, QWidget *parent)
    : QWidget(parent), FStart(start), FEnd(end), FDirection(direction)
{
    // Every pixel is painted here; nothing underneath needs to be drawn first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void GradientPanel::SetStartColor(QColor color)
{
    SetColors(color, FEnd);
}

void GradientPanel::SetEndColor(QColor color)
{
    SetColors(FStart, color);
}

void GradientPanel::SetColors(QColor start, QColor end)
{
    if (start == FStart && end == FEnd)
        return;
    FStart = start;
    FEnd = end;
    update();
}

void GradientPanel::SetDirection(Direction direction)
{
    if (direction == FDirection)
        return;
    FDirection = direction;
    update();
}

void GradientPanel::SetRaisedBevel(int width)
{
    FBevel = width < 0 ? 0 : width;
    update();
}

void GradientPanel::SetBorder(QColor color, int width)
{
    FBorderColor = color;
    FBorderWidth = width < 0 ? 0 : width;
    update();
}

QRect GradientPanel::ContentRect() const
{
    const int inset = FBorderWidth + FBevel;
    return rect().adjusted(inset, inset, -inset, -inset);
}

void GradientPanel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRect all = rect();

    if (FStart == FEnd) {
        painter.fillRect(all, FStart);
    } else {
        QLinearGradient gradient;
        if (FDirection == Direction::Vertical) {
            gradient.setStart(0, all.top());
            gradient.setFinalStop(0, all.bottom() + 1);
        } else {
            gradient.setStart(all.left(), 0);
            gradient.setFinalStop(all.right() + 1, 0);
        }
        gradient.setColorAt(0.0, FStart);
        gradient.setColorAt(1.0, FEnd);
        painter.fillRect(all, gradient);
    }

    QRect edge = all;
    if (FBorderWidth > 0) {
        for (int i = 0; i < FBorderWidth; ++i) {
            const QRect r = edge.adjusted(i, i, -i, -i);
            painter.fillRect(QRect(r.left(), r.top(), r.width(), 1), FBorderColor);
            painter.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), FBorderColor);
            painter.fillRect(QRect(r.left(), r.top(), 1, r.height()), FBorderColor);
            painter.fillRect(QRect(r.right(), r.top(), 1, r.height()), FBorderColor);
        }
        edge.adjust(FBorderWidth, FBorderWidth, -FBorderWidth, -FBorderWidth);
    }

    // Translucent edges so the bevel suits any panel colour.
    const QColor light(255, 255, 255, 120);
    const QColor dark(0, 0, 0, 90);
    for (int i = 0; i < FBevel && edge.width() > 1 && edge.height() > 1; ++i) {
        const QRect r = edge.adjusted(i, i, -i, -i);
        painter.fillRect(QRect(r.left(), r.top(), r.width() - 1, 1), light);
        painter.fillRect(QRect(r.left(), r.top() + 1, 1, r.height() - 2), light);
        painter.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), dark);
        painter.fillRect(QRect(r.right(), r.top(), 1, r.height() - 1), dark);
    }
}

} // namespace lumo
