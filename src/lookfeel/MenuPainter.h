#pragma once
// Draws popup menus in the program's colours: light blue panel with a dark blue
// border, items centred in bold, the item under the pointer on a blue gradient.

#include <QProxyStyle>

class QMenu;

namespace lumo {

class MenuPainter : public QProxyStyle {
    Q_OBJECT

public:
    MenuPainter();

    // Gives the menu this look; the painter belongs to the menu afterwards.
    static void Apply(QMenu *menu);

    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget = nullptr) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget = nullptr) const override;
    QSize sizeFromContents(ContentsType type, const QStyleOption *option, const QSize &size,
                           const QWidget *widget = nullptr) const override;
    int pixelMetric(PixelMetric metric, const QStyleOption *option = nullptr,
                    const QWidget *widget = nullptr) const override;
};

} // namespace lumo
