#pragma once
// Keeps Qt's own tooltips from showing anywhere in the program: the hints of
// the controls are shown by the bird's balloon instead.

#include <QObject>

namespace lumo {

class ToolTipBlocker : public QObject {
    Q_OBJECT
public:
    // Installs itself on the application.
    explicit ToolTipBlocker(QObject *parent = nullptr);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

} // namespace lumo
