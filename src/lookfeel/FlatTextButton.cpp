#include "lookfeel/FlatTextButton.h"

#include "lookfeel/LookFonts.h"

#include <QEnterEvent>
#include <QPainter>

#include <algorithm>

namespace lumo {

FlatTextButton::FlatTextButton(QWidget *parent) : QAbstractButton(parent)
{
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::NoFocus);
    setFont(LookFonts::ArialPixels(13, true));
}

FlatTextButton::FlatTextButton(const QString &caption, QWidget *parent) : FlatTextButton(parent)
{
    setText(caption);
}

void FlatTextButton::SetAlignment(Qt::Alignment alignment)
{
    FAlignment = alignment;
    update();
}

void FlatTextButton::SetTextColor(QColor color)
{
    FTextColor = color;
    update();
}

QSize FlatTextButton::sizeHint() const
{
    const QFontMetrics metrics(font());
    const int textWidth = metrics.horizontalAdvance(QString(text()).remove(QLatin1Char('&')));
    return QSize(textWidth + 12, std::max(20, metrics.height() + 4));
}

void FlatTextButton::enterEvent(QEnterEvent *event)
{
    update();
    QAbstractButton::enterEvent(event);
}

void FlatTextButton::leaveEvent(QEvent *event)
{
    update();
    QAbstractButton::leaveEvent(event);
}

QRect FlatTextButton::CaptionRect() const
{
    QRect area = rect();
    if (FAlignment & Qt::AlignLeft)
        area.adjust(5, 0, 0, 0);
    else if (FAlignment & Qt::AlignRight)
        area.adjust(0, 0, -5, 0);
    const int lineHeight = QFontMetrics(font()).height();
    int top = area.top();
    if (FAlignment & Qt::AlignVCenter)
        top += (area.height() - lineHeight) / 2;
    else if (FAlignment & Qt::AlignBottom)
        top = area.bottom() + 1 - lineHeight;
    return QRect(area.left(), top, area.width(), lineHeight);
}

QPoint FlatTextButton::CaptionCharacterPos(int index) const
{
    const QString shown = QString(text()).remove(QLatin1Char('&'));
    const QFontMetrics metrics(font());
    const QRect line = CaptionRect();
    const int width = metrics.horizontalAdvance(shown);
    int left = line.left();
    if (FAlignment & Qt::AlignRight)
        left = line.right() + 1 - width;
    else if (FAlignment & Qt::AlignHCenter)
        left = line.left() + (line.width() - width) / 2;
    return QPoint(left + metrics.horizontalAdvance(shown.left(index)), line.top());
}

void FlatTextButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);

    const bool down = isDown();
    if (isEnabled() && (underMouse() || down)) {
        // A faint wash with a lighter line at the top: visible, never loud.
        const QRectF area = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
        painter.setPen(QPen(QColor(255, 255, 255, down ? 70 : 55), 1.0));
        painter.setBrush(down ? QColor(0, 0, 0, 40) : QColor(255, 255, 255, 38));
        painter.drawRoundedRect(area, 3, 3);
    }

    QRect textRect = CaptionRect();
    if (down)
        textRect.translate(1, 1);

    const int flags = static_cast<int>(FAlignment & Qt::AlignHorizontal_Mask) | Qt::AlignTop
        | Qt::TextShowMnemonic | Qt::TextSingleLine;
    painter.setFont(font());
    QColor color = FTextColor;
    if (!isEnabled())
        color.setAlpha(110);
    painter.setPen(color);
    painter.drawText(textRect, flags, text());
}

} // namespace lumo
