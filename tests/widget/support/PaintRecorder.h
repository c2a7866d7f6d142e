#pragma once
// Where a widget and its children are painted, in the widget's coordinates,
// and which of them were painted: for tests that a change repaints only the
// rectangles it must.

#include <QCoreApplication>
#include <QPaintEvent>
#include <QRegion>
#include <QSet>
#include <QWidget>

namespace lumo::testing {

class PaintRecorder : public QObject {
public:
    // Watches the widget and the children it has now.
    explicit PaintRecorder(QWidget &table) : FTable(table)
    {
        table.installEventFilter(this);
        for (QWidget *child : table.findChildren<QWidget *>())
            child->installEventFilter(this);
    }
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            auto *widget = static_cast<QWidget *>(watched);
            const QRegion region = static_cast<QPaintEvent *>(event)->region();
            painted += region.translated(widget->mapTo(&FTable, QPoint(0, 0)));
            paintedWidgets.insert(widget);
        }
        return false;
    }
    void Clear()
    {
        painted = QRegion();
        paintedWidgets.clear();
    }
    QRegion painted;
    QSet<QWidget *> paintedWidgets;

private:
    QWidget &FTable;
};

// Lets every pending repaint happen.
inline void FlushRepaints()
{
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }
}

} // namespace lumo::testing
