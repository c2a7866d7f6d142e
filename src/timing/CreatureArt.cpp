#include "timing/CreatureArt.h"

#include "lookfeel/SvgArt.h"

#include <QPainter>

namespace lumo::CreatureArt {

void Draw(QPainter &painter, QPoint topLeft, const CreatureFrame &frame, qreal dpr)
{
    if (!frame.path || frame.size.isEmpty())
        return;
    const QPixmap picture = SvgArt::Render(QString::fromLatin1(frame.path), frame.size, dpr);
    if (!frame.mirrored) {
        painter.drawPixmap(topLeft, picture);
        return;
    }
    // A pure flip maps every device pixel onto one device pixel, so the
    // mirrored picture stays as crisp as the original.
    painter.save();
    painter.translate(topLeft.x() + frame.size.width(), topLeft.y());
    painter.scale(-1, 1);
    painter.drawPixmap(0, 0, picture);
    painter.restore();
}

} // namespace lumo::CreatureArt
