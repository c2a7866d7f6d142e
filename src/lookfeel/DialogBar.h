#pragma once
// The glass-button bar at the bottom of the game's dialogs: its buttons in
// the dialogs' one look, and the pointer on it. The button under the pointer
// shines lime, a move over the bar's own surface
// puts the shine out again (the buttons pass their moves on to the bar), and
// a left press on the bar itself moves the window, since the dialogs have no
// title bar of their own.

#include <QObject>

class QString;
class QWidget;

namespace lumo {

class GlassButton;

class DialogBar : public QObject {
public:
    // Watches the bar; the window is the one a press on the bar moves.
    DialogBar(QWidget &window, QWidget &bar);

    // A button on the bar in the dialogs' look.
    GlassButton *AddButton(const QString &caption);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget &FWindow;
    QWidget &FBar;
};

} // namespace lumo
