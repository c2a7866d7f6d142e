#include "table/TableImage.h"

#include "lookfeel/SvgArt.h"

#include <QPainter>

namespace lumo {

TableImage::TableImage(QWidget *parent) : ClickablePicture(parent)
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

} // namespace lumo
