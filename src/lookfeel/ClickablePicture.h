#pragma once
// A picture control that counts a left press and a left release on it as one
// click, as a button would: a release after the pointer has left the picture
// is no click, so a player can still change their mind.

#include <QWidget>

namespace lumo {

class ClickablePicture : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    bool FPressed = false;
};

} // namespace lumo
