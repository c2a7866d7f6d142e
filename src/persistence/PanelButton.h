#pragma once
// The look of the settings panel's buttons: white bold captions on a blue
// vertical gradient, hand cursor.

#include <QRect>
#include <QString>

class QAbstractButton;
class QWidget;

namespace lumo {

QAbstractButton *MakePanelButton(QWidget *parent, const QString &name, const QRect &geometry);

} // namespace lumo
