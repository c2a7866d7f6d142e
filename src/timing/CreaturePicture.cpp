#include "timing/CreaturePicture.h"

#include <QMouseEvent>
#include <QPainter>

namespace lumo {

CreaturePicture::CreaturePicture(const QString &name, Input input, QWidget *table) : ClickablePicture(table)
{
    setObjectName(name);
    // Not opaque: the table and the cards beneath show around the creature.
    setAttribute(Qt::WA_NoSystemBackground);
    if (input == Input::PassThrough)
        setAttribute(Qt::WA_TransparentForMouseEvents);
    else
        setMouseTracking(true);
    hide();
}

void CreaturePicture::Place(int left, int top, const CreatureFrame &frame)
{
    const QRect target(QPoint(left, top), frame.size);
    const bool newPicture = !(frame == FFrame);
    FFrame = frame;
    if (geometry() != target)
        setGeometry(target); // repaints the new rectangle whole
    else if (newPicture)
        update();
}

void CreaturePicture::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    CreatureArt::Draw(painter, QPoint(0, 0), FFrame, devicePixelRatioF());
}

void CreaturePicture::mouseMoveEvent(QMouseEvent *event)
{
    event->accept();
    emit pointerMoved();
}

} // namespace lumo
