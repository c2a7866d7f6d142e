#include "lookfeel/GradientButton.h"

#include "lookfeel/LookColors.h"
#include "lookfeel/LookFonts.h"

#include <QEnterEvent>
#include <QLinearGradient>
#include <QPainter>

#include <algorithm>

namespace lumo {

GradientButton::GradientButton(QWidget *parent)
    : QAbstractButton(parent), FTop(LookColors::DarkBlue()), FBottom(LookColors::LightBlue())
{
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::NoFocus);
    setFont(LookFonts::Dialog(8, true));
}

GradientButton::GradientButton(const QString &caption, QWidget *parent) : GradientButton(parent)
{
    setText(caption);
}

void GradientButton::SetColors(QColor top, QColor bottom)
{
    FTop = top;
    FBottom = bottom;
    update();
}

QSize GradientButton::sizeHint() const
{
    const QFontMetrics metrics(font());
    const int textWidth = metrics.horizontalAdvance(QString(text()).remove(QLatin1Char('&')));
    return QSize(textWidth + 16, std::max(25, metrics.height() + 8));
}

void GradientButton::enterEvent(QEnterEvent *event)
{
    update();
    QAbstractButton::enterEvent(event);
}

void GradientButton::leaveEvent(QEvent *event)
{
    update();
    QAbstractButton::leaveEvent(event);
}

void GradientButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRect all = rect();
    const bool down = isDown();

    // Pressed turns the gradient over, so the button seems pushed in.
    QColor top = down ? FBottom : FTop;
    QColor bottom = down ? FTop : FBottom;
    if (underMouse() && !down && isEnabled()) {
        top = top.lighter(112);
        bottom = bottom.lighter(104);
    }
    QLinearGradient fill(0, all.top(), 0, all.bottom() + 1);
    fill.setColorAt(0.0, top);
    fill.setColorAt(1.0, bottom);
    painter.fillRect(all, fill);

    // Thin frame: light top/left, dark bottom/right (reversed while down).
    const QColor light(255, 255, 255, 110);
    const QColor dark(0, 0, 0, 80);
    const QColor &upper = down ? dark : light;
    const QColor &lower = down ? light : dark;
    painter.fillRect(QRect(all.left(), all.top(), all.width(), 1), upper);
    painter.fillRect(QRect(all.left(), all.top(), 1, all.height()), upper);
    painter.fillRect(QRect(all.left(), all.bottom(), all.width(), 1), lower);
    painter.fillRect(QRect(all.right(), all.top(), 1, all.height()), lower);

    QRect textRect = all;
    if (down)
        textRect.translate(1, 1);
    const int flags = Qt::AlignCenter | Qt::TextShowMnemonic;
    painter.setFont(font());
    // A dark halo keeps white text legible over the light lower half.
    painter.setPen(QColor(20, 40, 90, 120));
    painter.drawText(textRect.translated(1, 1), flags, text());
    painter.setPen(isEnabled() ? QColor(Qt::white) : QColor(255, 255, 255, 120));
    painter.drawText(textRect, flags, text());
}

} // namespace lumo
