#include "companion/HintChannel.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QCursor>
#include <QEvent>
#include <QWidget>

namespace lumo {

namespace {

// Events after which the control under the pointer, or its hint, may differ.
bool MayChangeWhatIsUnderThePointer(QEvent::Type type)
{
    switch (type) {
    case QEvent::MouseMove:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::Enter:
    case QEvent::Leave:
    case QEvent::HoverEnter:
    case QEvent::HoverLeave:
    case QEvent::HoverMove:
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
    case QEvent::NonClientAreaMouseMove:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Show:
    case QEvent::Hide:
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::ZOrderChange:
    case QEvent::ParentChange:
    case QEvent::ToolTipChange:
    case QEvent::WindowActivate:
    case QEvent::WindowDeactivate:
    case QEvent::WindowStateChange:
    case QEvent::ScreenChangeInternal:
        return true;
    default:
        return false;
    }
}

} // namespace

HintChannel::HintChannel(QObject *parent) : QObject(parent)
{
    FWidgetUnderPointer = [] { return QApplication::widgetAt(QCursor::pos()); };
    if (auto *dispatcher = QAbstractEventDispatcher::instance())
        connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, this, &HintChannel::Idle);
    if (qApp)
        qApp->installEventFilter(this);
}

HintChannel::~HintChannel()
{
    if (qApp)
        qApp->removeEventFilter(this);
}

void HintChannel::SetHint(const QString &text)
{
    // A text set directly lasts only until the next idle update finds a
    // different one under the pointer, so that update must look.
    FLookAgain = true;
    if (text == FHint)
        return;
    FHint = text;
    if (FAttached)
        emit HintChanged(FHint);
}

void HintChannel::SetAttached(bool attached)
{
    FAttached = attached;
}

QString HintChannel::HintOf(const QWidget *widget)
{
    for (; widget; widget = widget->parentWidget()) {
        const QString hint = widget->toolTip();
        if (!hint.isEmpty())
            return hint;
    }
    return QString();
}

void HintChannel::SetWidgetUnderPointer(std::function<QWidget *()> finder)
{
    FWidgetUnderPointer = finder ? std::move(finder)
                                 : std::function<QWidget *()>([] { return QApplication::widgetAt(QCursor::pos()); });
    FLookAgain = true;
}

void HintChannel::Idle()
{
    if (!FLookAgain)
        return;
    const QString hint = HintOf(FWidgetUnderPointer());
    SetHint(hint);
    FLookAgain = false;
}

bool HintChannel::eventFilter(QObject *, QEvent *event)
{
    if (MayChangeWhatIsUnderThePointer(event->type()))
        FLookAgain = true;
    return event->type() == QEvent::ToolTip;
}

} // namespace lumo
