#pragma once
// The screen position of the latest mouse event the program received. Drop
// targets are decided by where the pointer is when the button is released;
// this is that position, also where the platform cannot report the cursor.

#include <QObject>
#include <QPoint>

namespace lumo {

class PointerTracker : public QObject {
    Q_OBJECT
public:
    // Installs itself on the application.
    explicit PointerTracker(QObject *parent = nullptr);

    // The latest mouse position in screen coordinates; QCursor::pos() until
    // the first mouse event arrives.
    QPoint GlobalPos() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QPoint FPos;
    bool FSeen = false;
};

} // namespace lumo
