#include "companion/TAugen.h"

#include <QCursor>
#include <QPainter>

namespace lumo {

TAugen::TAugen(QWidget *parent) : QWidget(parent)
{
    FTimer.setInterval(100);
    connect(&FTimer, &QTimer::timeout, this, &TAugen::Tick);
    FPointerSource = [] { return QCursor::pos(); };
    resize(100, 100);
    FGeometry = ComputeEyeGeometry(width(), height());
    FTimer.start();
}

bool TAugen::Active() const
{
    return FTimer.isActive();
}

void TAugen::SetActive(bool active)
{
    if (active == Active())
        return;
    if (active)
        FTimer.start();
    else
        FTimer.stop();
    Invalidate();
}

void TAugen::SetEyeColor(QColor color)
{
    if (color == FEyeColor)
        return;
    FEyeColor = color;
    Invalidate();
}

void TAugen::SetPupilColor(QColor color)
{
    if (color == FPupilColor)
        return;
    FPupilColor = color;
    Invalidate();
}

void TAugen::SetBounds(int left, int top, int width, int height)
{
    setGeometry(left, top, width, SquareByHeight(width, height));
}

void TAugen::Invalidate()
{
    FLastCursor = QPoint(-1, -1);
    FLeftPupil = QPoint(-1, -1);
    FRightPupil = QPoint(-1, -1);
    FGeometry = ComputeEyeGeometry(width(), height());
    update();
}

void TAugen::SetPointerSource(std::function<QPoint()> source)
{
    FPointerSource = source ? std::move(source) : [] { return QCursor::pos(); };
}

void TAugen::resizeEvent(QResizeEvent *)
{
    // A new size needs a new pupil size; what was drawn no longer fits.
    Invalidate();
}

QPoint TAugen::PupilAt(bool leftEye) const
{
    const QPoint origin = mapToGlobal(QPoint(0, 0));
    const double cx = origin.x() + (leftEye ? FGeometry.leftCenterX : FGeometry.rightCenterX);
    const double cy = origin.y() + FGeometry.centerY;
    const EyePoint p = PupilPosition(cx, cy, FGeometry.a, FGeometry.b, FCursor.x(), FCursor.y());
    return QPoint(p.x, p.y);
}

void TAugen::Tick()
{
    FCursor = FPointerSource();
    if (FCursor == FLastCursor)
        return;
    FLeftPupil = PupilAt(true);
    FRightPupil = PupilAt(false);
    FLastCursor = FCursor;
    ++FRedrawCount;
    update();
}

void TAugen::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const int h = height();
    // The eye boxes' right and bottom edges are exclusive, as the 1-px outline
    // lies just inside them.
    painter.setPen(QPen(QColor(128, 128, 128), 1));
    painter.setBrush(FEyeColor);
    painter.drawEllipse(QRectF(0.5, 0.5, FGeometry.leftEyeWidth - 1, h - 1));
    painter.drawEllipse(QRectF(FGeometry.rightEyeLeft + 0.5, 0.5,
                               width() - FGeometry.rightEyeLeft - 1, h - 1));

    if (FLeftPupil.x() == -1)
        return;
    const int r = FGeometry.pupilRadius;
    painter.setPen(QPen(FPupilColor, 1));
    painter.setBrush(FPupilColor);
    for (const QPoint &screen : {FLeftPupil, FRightPupil}) {
        const QPoint p = mapFromGlobal(screen);
        painter.drawEllipse(QRectF(p.x() - r + 0.5, p.y() - r + 0.5, 2 * r - 1, 2 * r - 1));
    }
}

} // namespace lumo
