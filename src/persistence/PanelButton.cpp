#include "persistence/PanelButton.h"

#include <QPushButton>

namespace lumo {

QAbstractButton *MakePanelButton(QWidget *parent, const QString &name, const QRect &geometry)
{
    auto *button = new QPushButton(parent);
    button->setObjectName(name);
    button->setGeometry(geometry);
    button->setCursor(Qt::PointingHandCursor);
    button->setFocusPolicy(Qt::NoFocus);
    QFont font = button->font();
    font.setPixelSize(11);
    font.setBold(true);
    button->setFont(font);
    button->setStyleSheet(QStringLiteral(
        "QPushButton { color: white; border: 1px solid rgb(51,94,168);"
        " background: qlineargradient(x1:0, y1:0, x2:0, y2:1,"
        " stop:0 rgb(51,94,168), stop:1 rgb(209,225,250)); }"
        "QPushButton:pressed { background: rgb(51,94,168); }"
        "QPushButton:disabled { color: rgb(170,185,210); }"));
    return button;
}

} // namespace lumo
