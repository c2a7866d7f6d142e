#include "companion/HintChannel.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QCursor>
#include <QEvent>
#include <QWidget>

namespace lumo {

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
}

void HintChannel::Idle()
{
    SetHint(HintOf(FWidgetUnderPointer()));
}

bool HintChannel::eventFilter(QObject *, QEvent *event)
{
    return event->type() == QEvent::ToolTip;
}

} // namespace lumo
