#pragma once
// Reports which of a set of controls the pointer moves over directly (not over
// one of their children), the way the menu's hover rules need it.

#include <QObject>

#include <functional>
#include <vector>

class QWidget;

namespace lumo {

class HoverReporter : public QObject {
    Q_OBJECT
public:
    using Handler = std::function<void(QWidget *sender)>;

    explicit HoverReporter(Handler handler, QObject *parent = nullptr);

    // Mouse moves over this control start to be reported. The reporter watches
    // the whole application, so the control needs no mouse tracking of its own.
    void Watch(QWidget *control);
    void Unwatch(QWidget *control);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    Handler FHandler;
    std::vector<QWidget *> FControls;
};

} // namespace lumo
