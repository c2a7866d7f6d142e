#pragma once
// A picture on the card table (pile frame, foundation, reshuffle image),
// drawn from an SVG resource at the screen's pixel ratio. A left click
// (press and release on the picture) emits clicked().

#include "lookfeel/ClickablePicture.h"

#include <QString>

namespace lumo {

class TableImage : public ClickablePicture {
    Q_OBJECT
public:
    explicit TableImage(QWidget *parent = nullptr);

    QString Picture() const { return FPicture; }
    // Repaints only when the picture changes.
    void SetPicture(const QString &svgPath);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString FPicture;
};

} // namespace lumo
