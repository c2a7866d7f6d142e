#pragma once
// A creature on the card table: a transparent picture control that takes one
// of its frames at a time and whose size follows that frame. Its Tag holds the
// creature's own state (the bee's direction, the ladybird's leg frame, whether
// the hare is up).
//
// A passive creature lets every mouse event through to what lies beneath it,
// so a card under the bee can still be dragged. A catchable one takes clicks
// (press and release on it) and reports pointer moves.

#include "lookfeel/ClickablePicture.h"
#include "timing/CreatureArt.h"

namespace lumo {

class CreaturePicture : public ClickablePicture {
    Q_OBJECT
public:
    enum class Input { PassThrough, Catchable };

    CreaturePicture(const QString &name, Input input, QWidget *table);

    int Tag() const { return FTag; }
    void SetTag(int tag) { FTag = tag; }

    const CreatureFrame &Picture() const { return FFrame; }
    // Position and picture in one change, so a step invalidates only the
    // rectangle the creature leaves and the one it takes.
    void Place(int left, int top, const CreatureFrame &frame);

signals:
    void pointerMoved();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    CreatureFrame FFrame;
    int FTag = 0;
};

} // namespace lumo
