#include "common/EventHelpers.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QThread>

namespace lumo {

void Delay(std::uint32_t milliseconds)
{
    if (milliseconds == 0)
        return;
    QElapsedTimer clock;
    clock.start();
    const qint64 wanted = static_cast<qint64>(milliseconds);
    while (clock.elapsed() < wanted) {
        const qint64 left = wanted - clock.elapsed();
        QCoreApplication::processEvents(QEventLoop::AllEvents, static_cast<int>(left > 0 ? left : 0));
        // processEvents returns at once when nothing is pending; sleep briefly so the
        // wait does not spin a core at 100 %.
        if (clock.elapsed() < wanted)
            QThread::msleep(1);
    }
}

namespace {

class KeyEater : public QObject {
public:
    int count = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
            ++count;
            return true;
        case QEvent::ShortcutOverride:
            return true;
        default:
            return false;
        }
    }
};

} // namespace

int DiscardKeyboardMessages()
{
    auto *app = QCoreApplication::instance();
    if (!app)
        return 0;
    KeyEater eater;
    app->installEventFilter(&eater);
    // Deliver what the window system has queued, with every key event swallowed on
    // its way; posted key events go the same way.
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    QCoreApplication::sendPostedEvents();
    app->removeEventFilter(&eater);
    return eater.count;
}

} // namespace lumo
