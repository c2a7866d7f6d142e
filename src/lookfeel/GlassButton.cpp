#include "lookfeel/GlassButton.h"

#include "lookfeel/LookColors.h"
#include "lookfeel/LookFonts.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace lumo {

namespace {

QColor WithAlpha(QColor color, int alpha)
{
    color.setAlpha(alpha);
    return color;
}

} // namespace

GlassButton::GlassButton(QWidget *parent)
    : QAbstractButton(parent), FFace(LookColors::FrameBlue()), FShine(Qt::white)
{
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::NoFocus);
    setFont(LookFonts::GlassCaption(10));
    setAttribute(Qt::WA_Hover, false);
}

GlassButton::GlassButton(const QString &caption, QWidget *parent) : GlassButton(parent)
{
    setText(caption);
}

void GlassButton::SetFaceColor(QColor color)
{
    if (color == FFace)
        return;
    FFace = color;
    update();
}

void GlassButton::SetShineColor(QColor color)
{
    if (color == FShine)
        return;
    FShine = color;
    update();
}

void GlassButton::SetCornerRadius(int radius)
{
    FRadius = std::max(0, radius);
    update();
}

QSize GlassButton::sizeHint() const
{
    const QFontMetrics metrics(font());
    const int textWidth = metrics.horizontalAdvance(QString(text()).remove(QLatin1Char('&')));
    return QSize(std::max(80, textWidth + 24), std::max(25, metrics.height() + 8));
}

void GlassButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);

    const bool down = isDown();
    const QRectF outer = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    const qreal radius = std::min<qreal>(FRadius, std::min(outer.width(), outer.height()) / 2.0);
    QPainterPath body;
    body.addRoundedRect(outer, radius, radius);

    QColor face = isEnabled() ? FFace : QColor::fromHsv(FFace.hsvHue(), FFace.hsvSaturation() / 3, FFace.value());
    if (down)
        face = face.darker(125);

    // Body: a little lighter at the top, deeper at the bottom.
    QLinearGradient bodyFill(outer.topLeft(), outer.bottomLeft());
    bodyFill.setColorAt(0.0, face.lighter(118));
    bodyFill.setColorAt(0.5, face);
    bodyFill.setColorAt(1.0, face.darker(135));
    painter.fillPath(body, bodyFill);

    painter.save();
    painter.setClipPath(body);

    // Glow rising from the lower edge, tinted by the shine.
    QLinearGradient glow(outer.bottomLeft(), QPointF(outer.left(), outer.center().y()));
    glow.setColorAt(0.0, WithAlpha(FShine, down ? 40 : 85));
    glow.setColorAt(1.0, WithAlpha(FShine, 0));
    painter.fillRect(outer, glow);

    // Gloss over the top half, with its own rounded lower edge.
    const qreal inset = 1.5;
    QRectF glossRect(outer.left() + inset, outer.top() + inset, outer.width() - 2 * inset,
                     outer.height() * 0.48);
    QPainterPath gloss;
    const qreal glossRadius = std::max<qreal>(0.0, radius - inset);
    gloss.addRoundedRect(glossRect, glossRadius, glossRadius);
    QLinearGradient glossFill(glossRect.topLeft(), glossRect.bottomLeft());
    glossFill.setColorAt(0.0, WithAlpha(FShine, down ? 90 : 175));
    glossFill.setColorAt(1.0, WithAlpha(FShine, down ? 10 : 35));
    painter.fillPath(gloss, glossFill);
    painter.restore();

    // Inner light rim and a dark outline.
    QPainterPath rim;
    const QRectF rimRect = outer.adjusted(1, 1, -1, -1);
    rim.addRoundedRect(rimRect, std::max<qreal>(0.0, radius - 1), std::max<qreal>(0.0, radius - 1));
    painter.setPen(QPen(WithAlpha(FShine, 70), 1.0));
    painter.drawPath(rim);
    painter.setPen(QPen(face.darker(170), 1.0));
    painter.drawPath(body);

    // Caption with a soft shadow; '&' marks the underlined letter.
    QRect textRect = rect();
    if (down)
        textRect.translate(0, 1);
    painter.setFont(font());
    const int flags = Qt::AlignCenter | Qt::TextShowMnemonic;
    painter.setPen(QColor(0, 0, 0, 110));
    painter.drawText(textRect.translated(0, 1), flags, text());
    painter.setPen(isEnabled() ? QColor(Qt::white) : QColor(230, 230, 230, 160));
    painter.drawText(textRect, flags, text());
}

} // namespace lumo
