#pragma once
// Rounded glossy push button: a face colour, a shine that lights its top half,
// bold caption with mnemonic underline ("&Ja"), hand cursor, no focus.

#include <QAbstractButton>
#include <QColor>

namespace lumo {

class GlassButton : public QAbstractButton {
    Q_OBJECT

public:
    explicit GlassButton(QWidget *parent = nullptr);
    explicit GlassButton(const QString &caption, QWidget *parent = nullptr);

    QColor FaceColor() const { return FFace; }
    void SetFaceColor(QColor color);
    QColor ShineColor() const { return FShine; }
    // The message dialog lights the button under the pointer in lime.
    void SetShineColor(QColor color);
    int CornerRadius() const { return FRadius; }
    void SetCornerRadius(int radius);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor FFace;
    QColor FShine;
    int FRadius = 10;
};

} // namespace lumo
