#pragma once
// Panel filled with a two-colour gradient, with an optional raised bevel and
// border. A plain-coloured panel is a gradient with equal colours.

#include <QColor>
#include <QWidget>

namespace lumo {

class GradientPanel : public QWidget {
    Q_OBJECT

public:
    enum class Direction { Vertical, Horizontal };

    explicit GradientPanel(QWidget *parent = nullptr);
    GradientPanel(QColor start, QColor end, Direction direction, QWidget *parent = nullptr);

    QColor StartColor() const { return FStart; }
    QColor EndColor() const { return FEnd; }
    void SetStartColor(QColor color);
    // The card table flashes by changing this colour.
    void SetEndColor(QColor color);
    void SetColors(QColor start, QColor end);
    void SetColor(QColor color) { SetColors(color, color); }

    Direction GradientDirection() const { return FDirection; }
    void SetDirection(Direction direction);

    // Raised bevel: light top/left and dark bottom/right edges, width px each;
    // 0 switches it off.
    int BevelWidth() const { return FBevel; }
    void SetRaisedBevel(int width = 1);

    // Border drawn around everything; width 0 switches it off.
    QColor BorderColor() const { return FBorderColor; }
    int BorderWidth() const { return FBorderWidth; }
    void SetBorder(QColor color, int width);

    // The area inside border and bevel, for placing children.
    QRect ContentRect() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor FStart;
    QColor FEnd;
    Direction FDirection = Direction::Vertical;
    int FBevel = 0;
    QColor FBorderColor;
    int FBorderWidth = 0;
};

} // namespace lumo
