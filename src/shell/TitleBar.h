#pragma once
// The window's own title bar: logo place, "Menü" button, title label and the
// four small buttons (help, update, minimize, end).

#include "lookfeel/GradientPanel.h"

class QAbstractButton;
class QLabel;

namespace lumo {

class AnimatedPicture;

class TitleBar : public GradientPanel {
    Q_OBJECT
public:
    static constexpr int BarHeight = 38;

    explicit TitleBar(QWidget *parent = nullptr);

    // The small bird (23 x 32) in its 30 x 36 place; it grins twice per restart.
    AnimatedPicture *i_logo = nullptr;
    QAbstractButton *bt_menue = nullptr;
    QLabel *lb_menue = nullptr;
    QAbstractButton *bt_help = nullptr;
    QAbstractButton *btn_InternetUpdate = nullptr;
    QAbstractButton *bt_minimize = nullptr;
    QAbstractButton *bt_ende = nullptr;
};

} // namespace lumo
