#pragma once
// A picture on the card table (pile frame, foundation, reshuffle image),
// drawn from an SVG resource at the screen's pixel ratio. A left click
// (press and release on the picture) emits clicked().

#include <QString>
#include <QWidget>

namespace lumo {

class TableImage : public QWidget {
    Q_OBJECT
public:
    explicit TableImage(QWidget *parent = nullptr);

    QString Picture() const { return FPicture; }
    // Repaints only when the picture changes.
    void SetPicture(const QString &svgPath);

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QString FPicture;
    bool FPressed = false;
};

} // namespace lumo
