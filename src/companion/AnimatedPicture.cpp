#include "companion/AnimatedPicture.h"

#include <QPainter>

namespace lumo {

AnimatedPicture::AnimatedPicture(QWidget *parent) : QWidget(parent)
{
    FTimer.setSingleShot(true);
    connect(&FTimer, &QTimer::timeout, this, &AnimatedPicture::Advance);
}

void AnimatedPicture::SetFrames(const QList<Frame> &frames, int repeatCount)
{
    FTimer.stop();
    FFrames = frames;
    FRepeatCount = repeatCount < 1 ? 1 : repeatCount;
    FCurrent = 0;
    FPass = 0;
    FShown = FFrames.isEmpty() ? 0 : 1;
    updateGeometry();
    update();
}

void AnimatedPicture::Restart()
{
    FTimer.stop();
    FCurrent = 0;
    FPass = 0;
    if (FFrames.isEmpty()) {
        FShown = 0;
        return;
    }
    FShown = 1;
    FTimer.start(FFrames.first().durationMs);
    update();
}

void AnimatedPicture::Advance()
{
    if (FFrames.isEmpty())
        return;
    int next = FCurrent + 1;
    if (next >= FFrames.size()) {
        if (FPass + 1 >= FRepeatCount) {
            // The last frame stays; the sequence ends on it.
            emit Finished();
            return;
        }
        ++FPass;
        next = 0;
    }
    FCurrent = next;
    ++FShown;
    FTimer.start(FFrames.at(FCurrent).durationMs);
    update();
}

QPixmap AnimatedPicture::CurrentPixmap() const
{
    return FFrames.isEmpty() ? QPixmap() : FFrames.at(FCurrent).pixmap;
}

QSize AnimatedPicture::sizeHint() const
{
    if (FFrames.isEmpty())
        return QSize(0, 0);
    const QPixmap &p = FFrames.first().pixmap;
    return (QSizeF(p.size()) / p.devicePixelRatio()).toSize();
}

void AnimatedPicture::paintEvent(QPaintEvent *)
{
    if (FFrames.isEmpty())
        return;
    const QPixmap &p = FFrames.at(FCurrent).pixmap;
    const QSize logical = (QSizeF(p.size()) / p.devicePixelRatio()).toSize();
    QPainter painter(this);
    // Centred in the place it was given.
    painter.drawPixmap((width() - logical.width()) / 2, (height() - logical.height()) / 2, p);
}

} // namespace lumo
