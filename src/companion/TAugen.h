#pragma once
// A pair of eyes whose pupils follow the mouse pointer anywhere on the screen.
// The bird window lays it over the eyes of its picture.

#include "companion/EyeGeometry.h"

#include <QColor>
#include <QPoint>
#include <QTimer>
#include <QWidget>

#include <functional>

namespace lumo {

class TAugen : public QWidget {
    Q_OBJECT

public:
    explicit TAugen(QWidget *parent = nullptr);

    bool Active() const;
    void SetActive(bool active);
    QColor EyeColor() const { return FEyeColor; }
    void SetEyeColor(QColor color);
    QColor PupilColor() const { return FPupilColor; }
    void SetPupilColor(QColor color);

    // Applies the square-by-height rule: a height above the width is cut to it.
    void SetBounds(int left, int top, int width, int height);

    // Forgets the drawn pupils and the last pointer, refits the pupil size and
    // repaints; the next tick places the pupils again.
    void Invalidate();

    // One poll of the pointer; the timer calls it every 100 ms.
    void Tick();

    // Where the pointer is read from; the global cursor by default.
    void SetPointerSource(std::function<QPoint()> source);

    const EyeGeometry &Geometry() const { return FGeometry; }
    // Screen positions of the pupils as last computed; x = -1 when none are.
    QPoint LeftPupil() const { return FLeftPupil; }
    QPoint RightPupil() const { return FRightPupil; }
    // How many ticks found the pointer moved and asked for a repaint.
    int RedrawCount() const { return FRedrawCount; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    QPoint PupilAt(bool leftEye) const;

    QTimer FTimer;
    QColor FEyeColor = QColor(255, 255, 255);
    QColor FPupilColor = QColor(0, 0, 0);
    QPoint FCursor;
    QPoint FLastCursor{-1, -1};
    QPoint FLeftPupil{-1, -1};
    QPoint FRightPupil{-1, -1};
    EyeGeometry FGeometry;
    std::function<QPoint()> FPointerSource;
    int FRedrawCount = 0;
};

} // namespace lumo
