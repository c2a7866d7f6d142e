#pragma once
// The menu that drops open over the top-left corner of the card table.

#include "lookfeel/GradientPanel.h"

class QAbstractButton;
class QLabel;

namespace lumo {

class MenuPanel : public GradientPanel {
    Q_OBJECT
public:
    explicit MenuPanel(QWidget *parent = nullptr);

    // Shows the level mark (a green digit) over the digit of that level's
    // button caption (1..3).
    void ShowLevel(int level);
    QAbstractButton *LevelButton(int level) const;

    QAbstractButton *bt_neu = nullptr;
    QAbstractButton *bt_stufe1 = nullptr;
    QAbstractButton *bt_stufe2 = nullptr;
    QAbstractButton *bt_stufe3 = nullptr;
    QAbstractButton *bt_setup = nullptr;
    QAbstractButton *bt_mail = nullptr;
    QAbstractButton *bt_download = nullptr;
    QAbstractButton *bt_helpm = nullptr;
    QAbstractButton *bt_exit = nullptr;
    QLabel *lb_stufe = nullptr;
};

} // namespace lumo
