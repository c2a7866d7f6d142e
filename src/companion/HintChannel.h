#pragma once
// The application's current hint text. At every idle moment it becomes the
// hint of the control under the pointer, or of its nearest enclosing control
// that has one (empty when none has); the program may also set it directly,
// and such a text stays until an idle moment replaces it with a different one.
// Controls keep their hints as their toolTip; Qt's own tooltips are swallowed
// so only the program's balloon shows them.
// Asking the display where the pointer is costs round trips to the X server,
// so an idle update only looks again after something that can change the
// answer: pointer or window events, a control shown, hidden, moved or given
// another hint, or a text set directly.

#include <QObject>
#include <QPoint>
#include <QString>

#include <functional>

class QWidget;

namespace lumo {

class HintChannel : public QObject {
    Q_OBJECT

public:
    explicit HintChannel(QObject *parent = nullptr);
    ~HintChannel() override;

    QString Hint() const { return FHint; }
    // Sets the current hint; a different text is reported through HintChanged.
    void SetHint(const QString &text);

    // While attached, each change of the text is reported. The text is kept
    // current either way.
    void SetAttached(bool attached);
    bool IsAttached() const { return FAttached; }

    // The hint of the widget or its nearest ancestor with a non-empty one.
    static QString HintOf(const QWidget *widget);

    // What the idle update looks at: the widget under the pointer by default.
    void SetWidgetUnderPointer(std::function<QWidget *()> finder);

    // One idle update; the event loop triggers it before it waits. It looks
    // at the pointer only when something may have changed since the last look.
    void Idle();

signals:
    void HintChanged(const QString &hint);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QString FHint;
    bool FAttached = false;
    std::function<QWidget *()> FWidgetUnderPointer;
    bool FLookAgain = true;
};

} // namespace lumo
