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
    FHover = true;
    update();
    QAbstractButton::enterEvent(event);
}

void FlatTextButton::leaveEvent(QEvent *event)
{
    FHover = false;
    update();
    QAbstractButton::leaveEvent(event);
}

void FlatTextButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);

    const bool down = isDown();
    if (isEnabled() && (FHover || down)) {
        // A faint wash with a lighter line at the top: visible, never loud.
        const QRectF area = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
        painter.setPen(QPen(QColor(255, 255, 255, down ? 70 : 55), 1.0));
        painter.setBrush(down ? QColor(0, 0, 0, 40) : QColor(255, 255, 255, 38));
        painter.drawRoundedRect(area, 3, 3);
    }

    QRect textRect = rect();
    if (FAlignment & Qt::AlignLeft)
        textRect.adjust(5, 0, 0, 0);
    else if (FAlignment & Qt::AlignRight)
        textRect.adjust(0, 0, -5, 0);
    if (down)
        textRect.translate(1, 1);

    const int flags = static_cast<int>(FAlignment) | Qt::TextShowMnemonic | Qt::TextSingleLine;
    painter.setFont(font());
    QColor color = FTextColor;
    if (!isEnabled())
        color.setAlpha(110);
    painter.setPen(color);
    painter.drawText(textRect, flags, text());
}

} // namespace lumo
