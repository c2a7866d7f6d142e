#pragma once
// Button of the settings panel: white bold caption on a vertical gradient from
// dark to light blue, hand cursor.

#include <QAbstractButton>
#include <QColor>

namespace lumo {

class GradientButton : public QAbstractButton {
    Q_OBJECT

public:
    explicit GradientButton(QWidget *parent = nullptr);
    explicit GradientButton(const QString &caption, QWidget *parent = nullptr);

    QColor TopColor() const { return FTop; }
    QColor BottomColor() const { return FBottom; }
    void SetColors(QColor top, QColor bottom);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    QColor FTop;
    QColor FBottom;
};

} // namespace lumo
