#include "lookfeel/ImageButton.h"

#include "lookfeel/SvgArt.h"

#include <QEnterEvent>
#include <QPainter>

namespace lumo {

ImageButton::ImageButton(QWidget *parent) : QAbstractButton(parent)
{
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::NoFocus);
    resize(25, 25);
}

ImageButton::ImageButton(const QString &normalSvg, QWidget *parent) : ImageButton(parent)
{
    SetImages(normalSvg);
}

void ImageButton::SetImages(const QString &normalSvg, const QString &hoverSvg, const QString &pressedSvg)
{
    FNormal = normalSvg;
    FHoverPath = hoverSvg;
    FPressed = pressedSvg;
    update();
}

QSize ImageButton::sizeHint() const
{
    return QSize(25, 25);
}

void ImageButton::enterEvent(QEnterEvent *event)
{
    update();
    QAbstractButton::enterEvent(event);
}

void ImageButton::leaveEvent(QEvent *event)
{
    update();
    QAbstractButton::leaveEvent(event);
}

void ImageButton::paintEvent(QPaintEvent *)
{
    if (FNormal.isEmpty())
        return;
    QPainter painter(this);
    const qreal dpr = devicePixelRatioF();
    const bool down = isDown();

    QString path = FNormal;
    bool derive = false;
    if (down && !FPressed.isEmpty())
        path = FPressed;
    else if (!down && underMouse() && !FHoverPath.isEmpty())
        path = FHoverPath;
    else if (down || underMouse())
        derive = true;

    QPixmap picture = SvgArt::Render(path, size(), dpr);
    if (!derive) {
        painter.drawPixmap(0, 0, picture);
        return;
    }

    // Derived looks: tint only where the picture has paint, so its shape stays.
    QPixmap tinted(picture.size());
    tinted.setDevicePixelRatio(dpr);
    tinted.fill(Qt::transparent);
    {
        QPainter tint(&tinted);
        tint.drawPixmap(0, 0, picture);
        tint.setCompositionMode(QPainter::CompositionMode_SourceAtop);
        tint.fillRect(QRectF(QPointF(0, 0), QSizeF(size())),
                      down ? QColor(0, 0, 0, 70) : QColor(255, 255, 255, 60));
    }
    painter.drawPixmap(down ? QPoint(0, 1) : QPoint(0, 0), tinted);
}

} // namespace lumo
