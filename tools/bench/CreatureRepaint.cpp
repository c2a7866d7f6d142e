// Measures what the creatures' steps repaint on the real card table (the
// Board widget with its score box and labels): for every step of a whole bee
// flight, a ladybird climb and the hare's turns, the pixels painted in the
// table and its children, and how many widgets were painted. It asserts
// nothing. Runs offscreen unless a platform is given:
//   QT_QPA_PLATFORM=offscreen creature-repaint [--dpr 2]
#include "engine/ClockSeededRandom.h"
#include "table/Board.h"
#include "timing/Bee.h"
#include "timing/CreatureAnimation.h"
#include "timing/CreatureHost.h"
#include "timing/CreaturePicture.h"
#include "timing/Hare.h"
#include "timing/Ladybird.h"
#include "timing/TCKMultimediaTimer.h"

#include <QApplication>
#include <QPaintEvent>
#include <QSet>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

class QuietHost : public lumo::CreatureHost {
public:
    bool Ready() const override { return true; }
    void AddPoints(int) override {}
    bool SoundOn() const override { return false; }
    void PlayTone(int, int, int) override {}
    void PointerMoved(QWidget *) override {}
};

class PaintRecorder : public QObject {
public:
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
            for (const QRect &r : region)
                paintedPixels += static_cast<long>(r.width()) * r.height();
            widgets.insert(widget);
        }
        return false;
    }
    void Clear()
    {
        painted = QRegion();
        paintedPixels = 0;
        widgets.clear();
    }
    QRegion painted;          // the table area that was painted, once
    long paintedPixels = 0;   // summed over every widget painted (overlaps count again)
    QSet<QWidget *> widgets;

private:
    QWidget &FTable;
};

long Area(const QRegion &region)
{
    long area = 0;
    for (const QRect &r : region)
        area += static_cast<long>(r.width()) * r.height();
    return area;
}

void Flush()
{
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }
}

struct Stats {
    std::vector<long> area, pixels, widgets;
    void Print(const char *name) const
    {
        auto median = [](std::vector<long> v) {
            std::sort(v.begin(), v.end());
            return v.empty() ? 0L : v[v.size() / 2];
        };
        auto maxOf = [](const std::vector<long> &v) {
            return v.empty() ? 0L : *std::max_element(v.begin(), v.end());
        };
        std::printf("%-9s %3zu steps: table area repainted median %5ld px, max %5ld px; "
                    "pixels painted over all widgets median %5ld, max %5ld; widgets painted median %ld, max %ld\n",
            name, area.size(), median(area), maxOf(area), median(pixels), maxOf(pixels),
            median(widgets), maxOf(widgets));
    }
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    lumo::Board table;
    QuietHost host;
    lumo::ClockSeededRandom random;
    bool animationOn = false;
    lumo::CreatureAnimation creatures(table, host, random, animationOn);
    table.show();
    if (!QTest::qWaitForWindowExposed(&table)) {
        std::fprintf(stderr, "the table was not shown\n");
        return 1;
    }
    creatures.SetAnimation(1);
    for (lumo::TCKMultimediaTimer *t : {creatures.Biene().t_biene, creatures.Biene().t_ani,
             creatures.Kaefer().t_kaefer, creatures.Hase().t_hase})
        t->SetEnabled(false);
    Flush();
    PaintRecorder recorder(table);
    std::printf("device pixel ratio %.1f; sizes in logical pixels\n", table.devicePixelRatioF());

    const auto measure = [&](const char *name, const std::function<bool()> &step) {
        Stats stats;
        bool more = true;
        while (more) {
            recorder.Clear();
            more = step();
            Flush();
            stats.area.push_back(Area(recorder.painted));
            stats.pixels.push_back(recorder.paintedPixels);
            stats.widgets.push_back(recorder.widgets.size());
        }
        stats.Print(name);
    };
    lumo::Bee &bee = creatures.Biene();
    bee.t_biene->SetEnabled(true);
    measure("bee", [&] {
        bee.t_TimerBiene();
        return bee.t_biene->Enabled();
    });
    lumo::Ladybird &ladybird = creatures.Kaefer();
    measure("ladybird", [&] {
        ladybird.t_TimerKaefer();
        return ladybird.i_kaefer->isVisibleTo(&table);
    });
    lumo::Hare &hare = creatures.Hase();
    int turns = 0;
    measure("hare", [&] {
        hare.t_haseTimer();
        return ++turns < 6;
    });
    return 0;
}
