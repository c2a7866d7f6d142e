// The creatures on a plain table, through their handlers and the real timers:
// the bee's flights, the ladybird's climb, the hare's peeking and catching,
// and the switch. The real main window's table is tested in the shell tests.

#include "support/PaintRecorder.h"
#include "CreatureFakes.h"
#include "timing/Bee.h"
#include "timing/CreatureAnimation.h"
#include "timing/CreatureArt.h"
#include "timing/CreaturePicture.h"
#include "timing/Hare.h"
#include "timing/Ladybird.h"
#include "timing/TCKMultimediaTimer.h"

#include <QImage>
#include <QPaintEvent>
#include <QPainter>
#include <QSet>
#include <QTest>

#include <functional>
#include <memory>

using namespace lumo;
using lumo::testing::FakeCreatureHost;
using lumo::testing::FlushRepaints;
using lumo::testing::PaintRecorder;
using lumo::testing::ScriptedRandom;
using lumo::testing::Tone;

namespace {

constexpr int kTableWidth = 788;
constexpr int kTableHeight = 483;

struct World {
    QWidget table;
    FakeCreatureHost host;
    ScriptedRandom random;
    bool animationOn = false;
    std::unique_ptr<CreatureAnimation> creatures;

    World()
    {
        table.resize(kTableWidth, kTableHeight);
        creatures = std::make_unique<CreatureAnimation>(table, host, random, animationOn);
    }
    Bee &bee() { return creatures->Biene(); }
    Ladybird &ladybird() { return creatures->Kaefer(); }
    Hare &hare() { return creatures->Hase(); }
    // Stops the timers so a test drives the handlers alone.
    void freeze()
    {
        for (TCKMultimediaTimer *t : {bee().t_biene, bee().t_ani, ladybird().t_kaefer, hare().t_hase})
            t->SetEnabled(false);
    }
};

bool Shown(const QWidget *w)
{
    return w->isVisibleTo(w->parentWidget());
}

} // namespace

class CreatureAnimationTest : public QObject {
    Q_OBJECT

private slots:
    void createdHiddenWithTheirTimersOff()
    {
        World w;
        for (QWidget *picture : w.creatures->Pictures())
            QVERIFY2(!Shown(picture), qPrintable(picture->objectName()));
        struct Expected {
            TCKMultimediaTimer *timer;
            std::uint32_t interval;
        };
        for (const Expected &e : {Expected{w.bee().t_biene, 50}, Expected{w.ladybird().t_kaefer, 100},
                 Expected{w.hare().t_hase, 3000}, Expected{w.bee().t_ani, 500}}) {
            QVERIFY(!e.timer->Enabled());
            QCOMPARE(e.timer->Interval(), e.interval);
        }
        QCOMPARE(w.bee().i_biene0->objectName(), QStringLiteral("i_biene0"));
        QCOMPARE(w.ladybird().i_kaefer->objectName(), QStringLiteral("i_kaefer"));
        QCOMPARE(w.hare().i_hase->objectName(), QStringLiteral("i_hase"));
        QCOMPARE(w.bee().i_biene0->parentWidget(), &w.table);
    }

    // 0 off, 1 on and back to the starting places, anything else nothing.
    void switchTakesOnlyZeroAndOne()
    {
        World w;
        w.creatures->SetAnimation(2);
        QVERIFY(!w.animationOn);
        for (QWidget *picture : w.creatures->Pictures())
            QVERIFY(!Shown(picture));
        QVERIFY(!w.bee().t_ani->Enabled());

        w.creatures->SetAnimation(1);
        QVERIFY(w.animationOn);
        QVERIFY(w.creatures->Running());
        for (TCKMultimediaTimer *t : {w.bee().t_biene, w.bee().t_ani, w.ladybird().t_kaefer, w.hare().t_hase})
            QVERIFY(t->Enabled());
        QCOMPARE(w.ladybird().i_kaefer->pos(), QPoint(582, 477));
        QCOMPARE(w.bee().i_biene0->x(), 600);
        QCOMPARE(w.hare().i_hase->pos(), QPoint(714, 481));
        QCOMPARE(w.hare().i_hase->Tag(), 0);
        for (QWidget *picture : w.creatures->Pictures())
            QVERIFY(Shown(picture));

        // Moved along, then 2 while running: nothing changes.
        w.freeze();
        w.ladybird().t_TimerKaefer();
        w.bee().t_TimerBiene();
        w.hare().t_haseTimer();
        const QPoint ladybird = w.ladybird().i_kaefer->pos();
        const QPoint bee = w.bee().i_biene0->pos();
        w.creatures->SetAnimation(2);
        QVERIFY(w.animationOn);
        QCOMPARE(w.ladybird().i_kaefer->pos(), ladybird);
        QCOMPARE(w.bee().i_biene0->pos(), bee);
        QCOMPARE(w.hare().i_hase->y(), 410);
        QVERIFY(!w.bee().t_biene->Enabled());

        // 1 again: every creature back at its start, every timer running.
        w.creatures->SetAnimation(1);
        QCOMPARE(w.ladybird().i_kaefer->pos(), QPoint(582, 477));
        QCOMPARE(w.bee().i_biene0->x(), 600);
        QCOMPARE(w.hare().i_hase->pos(), QPoint(714, 481));
        QCOMPARE(w.hare().i_hase->Tag(), 0);
        for (TCKMultimediaTimer *t : {w.bee().t_biene, w.bee().t_ani, w.ladybird().t_kaefer, w.hare().t_hase})
            QVERIFY(t->Enabled());

        w.creatures->SetAnimation(0);
        QVERIFY(!w.animationOn);
        for (QWidget *picture : w.creatures->Pictures())
            QVERIFY(!Shown(picture));
        for (TCKMultimediaTimer *t : {w.bee().t_biene, w.bee().t_ani, w.ladybird().t_kaefer, w.hare().t_hase})
            QVERIFY(!t->Enabled());
    }

    void beeEndsARightwardFlightAndComesBackLeftward()
    {
        World w;
        w.creatures->SetAnimation(1);
        w.freeze();
        w.bee().t_biene->SetEnabled(true);
        w.bee().i_biene0->move(790, 10);

        w.bee().t_TimerBiene();
        QCOMPARE(w.bee().i_biene0->x(), 795);
        QVERIFY(Shown(w.bee().i_biene0));
        QCOMPARE(w.bee().Direction(), 0);

        w.bee().t_TimerBiene();
        QVERIFY(!Shown(w.bee().i_biene0));
        QVERIFY(!w.bee().t_biene->Enabled());
        QCOMPARE(w.bee().i_biene0->x(), 795);
        QCOMPARE(w.bee().Direction(), 1);

        // t_ani only sends it off on a 26 drawn from 0..52.
        w.random.queued = {25, 27, 26};
        w.bee().t_aniTimer();
        w.bee().t_aniTimer();
        QVERIFY(!w.bee().t_biene->Enabled());
        w.bee().t_aniTimer();
        QCOMPARE(w.random.ranges, (std::vector<int>{52, 52, 52}));
        QVERIFY(w.bee().t_biene->Enabled());
        QVERIFY(Shown(w.bee().i_biene0));
        QCOMPARE(w.bee().i_biene0->x(), 795);
        w.bee().t_TimerBiene();
        QCOMPARE(w.bee().i_biene0->pos(), QPoint(790, 10));
    }

    void beeEndsALeftwardFlightAtSixHundred()
    {
        World w;
        w.creatures->SetAnimation(1);
        w.freeze();
        w.bee().i_biene0->SetTag(1);
        w.bee().i_biene0->move(600, 10);
        w.bee().t_biene->SetEnabled(true);

        w.bee().t_TimerBiene();
        QCOMPARE(w.bee().i_biene0->x(), 595);
        QVERIFY(Shown(w.bee().i_biene0));
        w.bee().t_TimerBiene();
        QVERIFY(!Shown(w.bee().i_biene0));
        QVERIFY(!w.bee().t_biene->Enabled());
        QCOMPARE(w.bee().i_biene0->x(), 600);
        QCOMPARE(w.bee().Direction(), 0);
    }

    // A whole flight: 39 steps of 5 px along top 10, wings beating at every
    // tick, then hidden on the 40th; a running bee is not sent off again.
    void beeFliesAcrossBeatingItsWings()
    {
        World w;
        w.creatures->SetAnimation(1);
        w.freeze();
        w.bee().t_biene->SetEnabled(true);
        w.bee().i_biene0->move(600, 200);
        QVERIFY(!w.bee().FBeeWingFrame);

        int ticks = 0;
        CreatureFrame previous = w.bee().i_biene0->Picture();
        while (w.bee().t_biene->Enabled() && ticks < 100) {
            const int before = w.bee().i_biene0->x();
            w.bee().t_TimerBiene();
            ++ticks;
            const CreatureFrame now = w.bee().i_biene0->Picture();
            QVERIFY2(!(now == previous), "the wings change at every tick");
            // Facing right while it flies; facing left once it has turned.
            QCOMPARE(now.mirrored, !w.bee().t_biene->Enabled());
            QCOMPARE(w.bee().i_biene0->size(), now.size);
            previous = now;
            if (w.bee().t_biene->Enabled()) {
                QCOMPARE(w.bee().i_biene0->x(), before + 5);
                QCOMPARE(w.bee().i_biene0->y(), 10);
                // A second start while it flies changes nothing.
                w.random.queued = {26};
                w.bee().t_aniTimer();
                QCOMPARE(w.bee().i_biene0->x(), before + 5);
            }
        }
        QCOMPARE(ticks, 40);
        QCOMPARE(w.bee().Direction(), 1);

        // The wing flag goes on across the turn: the next frame faces left.
        const bool flag = w.bee().FBeeWingFrame;
        w.random.queued = {26};
        w.bee().t_aniTimer();
        w.bee().t_TimerBiene();
        QCOMPARE(w.bee().FBeeWingFrame, !flag);
        QCOMPARE(w.bee().i_biene0->Picture(), flag ? Bee::i_biene3 : Bee::i_biene4);
    }

    // Direction and wing flag survive switching off and on.
    void beeKeepsItsSideAcrossTheSwitch()
    {
        World w;
        w.creatures->SetAnimation(1);
        w.freeze();
        w.bee().i_biene0->SetTag(1);
        w.bee().FBeeWingFrame = true;
        w.creatures->SetAnimation(0);
        w.creatures->SetAnimation(1);
        QCOMPARE(w.bee().Direction(), 1);
        QVERIFY(w.bee().FBeeWingFrame);
        QCOMPARE(w.bee().i_biene0->x(), 795);
    }

    void ladybirdVanishesAtTheTopAndRestsHidden()
    {
        World w;
        w.creatures->SetAnimation(1);
        w.freeze();
        int ticks = 0;
        int lastTopSeen = 0;
        while (Shown(w.ladybird().i_kaefer) && ticks < 200) {
            lastTopSeen = w.ladybird().i_kaefer->y();
            w.ladybird().t_TimerKaefer();
            ++ticks;
            QCOMPARE(w.ladybird().i_kaefer->x(), 582);
        }
        // 99 steps up from 477 reach -18; the 100th tick (10 s) finds it there.
        QCOMPARE(ticks, 100);
        QCOMPARE(lastTopSeen, -18);
        QCOMPARE(w.ladybird().i_kaefer->y(), 471);
        QCOMPARE(w.ladybird().i_kaefer->Tag(), 1);
        QCOMPARE(w.random.ranges.size(), std::size_t(100));
        QCOMPARE(w.random.ranges.front(), 30);

        // Hidden, it stays put until a 10 is drawn from 0..30.
        w.random.queued = {9, 11};
        w.ladybird().t_TimerKaefer();
        w.ladybird().t_TimerKaefer();
        QVERIFY(!Shown(w.ladybird().i_kaefer));
        QCOMPARE(w.ladybird().i_kaefer->y(), 471);
        w.random.queued = {10};
        w.ladybird().t_TimerKaefer();
        QVERIFY(Shown(w.ladybird().i_kaefer));
        QCOMPARE(w.ladybird().i_kaefer->pos(), QPoint(582, 466));
        QCOMPARE(w.ladybird().i_kaefer->Picture(), Ladybird::i_kaefer1);
    }

    void ladybirdChangesLegsAtEveryStepAndKeepsItsColumn()
    {
        World w;
        w.creatures->SetAnimation(1);
        w.freeze();
        w.ladybird().i_kaefer->move(300, 200);
        const CreatureFrame expected[] = {Ladybird::i_kaefer1, Ladybird::i_kaefer2, Ladybird::i_kaefer1};
        int top = 200;
        for (const CreatureFrame &frame : expected) {
            w.ladybird().t_TimerKaefer();
            top -= 5;
            QCOMPARE(w.ladybird().i_kaefer->Picture(), frame);
            QCOMPARE(w.ladybird().i_kaefer->pos(), QPoint(300, top));
        }
        // Visible, a 10 does not reset its legs.
        w.random.queued = {10};
        w.ladybird().t_TimerKaefer();
        QCOMPARE(w.ladybird().i_kaefer->Picture(), Ladybird::i_kaefer2);
    }

    void hareComesUpAndDucksInTurn()
    {
        World w;
        w.creatures->SetAnimation(1);
        w.freeze();
        for (int round = 0; round < 2; ++round) {
            w.hare().t_haseTimer();
            QCOMPARE(w.hare().i_hase->pos(), QPoint(714, 410));
            QCOMPARE(w.hare().i_hase->Tag(), 1);
            QCOMPARE(w.hare().i_hase->geometry().bottom() + 1, 481);
            w.hare().t_haseTimer();
            QCOMPARE(w.hare().i_hase->pos(), QPoint(714, 481));
            QCOMPARE(w.hare().i_hase->Tag(), 0);
        }
        QCOMPARE(w.hare().i_hase->size(), QSize(51, 71));
        QCOMPARE(w.hare().i_hase->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(w.hare().i_hase->toolTip(), QStringLiteral("Fang doch den Hasen!"));
    }

    // Caught with a real click: 10 points, down at once, the 800 Hz tone only
    // under the sound condition, nothing at all while the board is busy.
    void catchingTheHare_data()
    {
        QTest::addColumn<bool>("up");
        QTest::addColumn<bool>("ready");
        QTest::addColumn<bool>("soundOn");
        QTest::addColumn<int>("points");
        QTest::addColumn<bool>("tone");
        QTest::newRow("up, sound on") << true << true << true << 10 << true;
        QTest::newRow("up, sound off") << true << true << false << 10 << false;
        QTest::newRow("down, its ear tips") << false << true << true << 10 << true;
        QTest::newRow("while a game is dealt") << true << false << true << 0 << false;
    }
    void catchingTheHare()
    {
        QFETCH(bool, up);
        QFETCH(bool, ready);
        QFETCH(bool, soundOn);
        QFETCH(int, points);
        QFETCH(bool, tone);
        World w;
        w.table.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w.table));
        w.creatures->SetAnimation(1);
        w.freeze();
        if (up)
            w.hare().t_haseTimer();
        w.host.ready = ready;
        w.host.soundOn = soundOn;

        // Down, only its top 2 px lie on the table.
        QTest::mouseClick(w.hare().i_hase, Qt::LeftButton, {}, QPoint(14, 1));
        QCOMPARE(w.host.points, points);
        const std::vector<Tone> expectedTones = tone ? std::vector<Tone>{{800, 20, 20}} : std::vector<Tone>();
        QVERIFY(w.host.tones == expectedTones);
        if (ready) {
            QCOMPARE(w.hare().i_hase->y(), 481);
            QCOMPARE(w.hare().i_hase->Tag(), 0);
            // Its timer was not restarted: the next tick brings it up.
            w.hare().t_haseTimer();
            QCOMPARE(w.hare().i_hase->y(), 410);
        } else {
            QCOMPARE(w.hare().i_hase->y(), up ? 410 : 481);
        }
    }

    void hareReportsPointerMovesAndOnlyItsOwnClicks()
    {
        World w;
        w.table.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w.table));
        w.creatures->SetAnimation(1);
        w.freeze();
        w.hare().t_haseTimer();
        QTest::mouseMove(w.hare().i_hase, QPoint(20, 30));
        QVERIFY(!w.host.moves.empty());
        QCOMPARE(w.host.moves.back(), static_cast<QWidget *>(w.hare().i_hase));
        // A right click or a press that is released elsewhere is no catch.
        QTest::mouseClick(w.hare().i_hase, Qt::RightButton, {}, QPoint(20, 30));
        QTest::mousePress(w.hare().i_hase, Qt::LeftButton, {}, QPoint(20, 30));
        QTest::mouseRelease(w.hare().i_hase, Qt::LeftButton, {}, QPoint(20, 90));
        QCOMPARE(w.host.points, 0);
    }

    // Through the window, as the pointer really arrives: a press on the bee or
    // the ladybird reaches what lies beneath them, a press on the hare the hare.
    void passiveCreaturesLetThePointerThrough()
    {
        World w;
        auto *beneath = new QWidget(&w.table);
        beneath->setGeometry(560, 0, 120, 120);
        int pressesBeneath = 0;
        struct PressCounter : QObject {
            int *count;
            explicit PressCounter(int *c) : count(c) {}
            bool eventFilter(QObject *, QEvent *event) override
            {
                if (event->type() == QEvent::MouseButtonPress)
                    ++*count;
                return false;
            }
        } counter(&pressesBeneath);
        beneath->installEventFilter(&counter);
        w.table.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w.table));
        w.creatures->SetAnimation(1);
        w.freeze();
        w.ladybird().i_kaefer->move(582, 40);
        w.bee().i_biene0->move(610, 10);
        // In front of the widget beneath, as their steps keep them.
        for (QWidget *picture : w.creatures->Pictures())
            picture->raise();

        for (QWidget *creature : {static_cast<QWidget *>(w.bee().i_biene0),
                 static_cast<QWidget *>(w.ladybird().i_kaefer)}) {
            const QPoint centre = creature->geometry().center();
            QCOMPARE(w.table.childAt(centre), beneath);
            const int before = pressesBeneath;
            QTest::mouseClick(w.table.windowHandle(), Qt::LeftButton, {}, centre);
            QCOMPARE(pressesBeneath, before + 1);
        }
        w.hare().t_haseTimer();
        const QPoint hare = w.hare().i_hase->geometry().center();
        QCOMPARE(w.table.childAt(hare), static_cast<QWidget *>(w.hare().i_hase));
        QTest::mouseClick(w.table.windowHandle(), Qt::LeftButton, {}, hare);
        QCOMPARE(w.host.points, 10);
    }

    // A step repaints the rectangle the creature leaves and the one it takes,
    // nothing else: a widget beneath its path only there, one elsewhere not at all.
    void aStepRepaintsOnlyWhereTheCreatureWasAndIs()
    {
        World w;
        auto *beneath = new QWidget(&w.table);
        beneath->setGeometry(560, 0, 200, 480);
        beneath->setAttribute(Qt::WA_OpaquePaintEvent);
        auto *elsewhere = new QWidget(&w.table);
        elsewhere->setGeometry(100, 100, 71, 96);
        elsewhere->setAttribute(Qt::WA_OpaquePaintEvent);
        w.table.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w.table));
        w.creatures->SetAnimation(1);
        w.freeze();
        w.bee().t_biene->SetEnabled(true);
        for (int i = 0; i < 3; ++i) {
            w.bee().t_TimerBiene();
            w.ladybird().t_TimerKaefer();
        }
        PaintRecorder recorder(w.table);
        FlushRepaints();

        const auto step = [&](QWidget *creature, const std::function<void()> &tick) {
            recorder.Clear();
            const QRect before = creature->geometry();
            tick();
            const QRect after = creature->geometry();
            FlushRepaints();
            const QRegion allowed = QRegion(before) + QRegion(after);
            QVERIFY2(!recorder.painted.isEmpty(), qPrintable(creature->objectName()));
            QVERIFY2((recorder.painted - allowed).isEmpty(), qPrintable(creature->objectName()));
            QVERIFY(!recorder.paintedWidgets.contains(elsewhere));
        };
        step(w.bee().i_biene0, [&] { w.bee().t_TimerBiene(); });
        step(w.ladybird().i_kaefer, [&] { w.ladybird().t_TimerKaefer(); });
        step(w.hare().i_hase, [&] { w.hare().t_haseTimer(); });
    }

    // The real timers: switched on, the ladybird climbs and the bee flies;
    // switched off, nothing moves or shows, and t_ani starts no flight even
    // when every draw would.
    void timersDriveTheCreaturesOnlyWhileOn()
    {
        World w;
        w.random.fallback = 26; // t_ani's number; the ladybird only rises
        w.creatures->SetAnimation(1);
        QVERIFY(QTest::qWaitFor([&] { return w.ladybird().i_kaefer->y() <= 477 - 3 * 5; }, 5000));
        QVERIFY(QTest::qWaitFor([&] { return w.bee().i_biene0->x() >= 600 + 3 * 5; }, 5000));

        w.creatures->SetAnimation(0);
        const std::size_t draws = w.random.ranges.size();
        const QPoint ladybird = w.ladybird().i_kaefer->pos();
        QTest::qWait(1200);
        QCOMPARE(w.random.ranges.size(), draws);
        QCOMPARE(w.ladybird().i_kaefer->pos(), ladybird);
        for (QWidget *picture : w.creatures->Pictures())
            QVERIFY(!Shown(picture));
    }

    // Every frame is in the resources, covers a good part of its picture and
    // leaves the rest transparent (the top corners always), at 1x and 2x.
    void framesAreDrawnOnTransparentGround_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<qreal>("dpr");
        for (int i = 0; i < 7; ++i) {
            QTest::addRow("frame %d at 1x", i) << i << qreal(1.0);
            QTest::addRow("frame %d at 2x", i) << i << qreal(2.0);
        }
    }
    void framesAreDrawnOnTransparentGround()
    {
        QFETCH(int, index);
        QFETCH(qreal, dpr);
        const CreatureFrame frames[] = {Bee::i_biene1, Bee::i_biene2, Bee::i_biene3, Bee::i_biene4,
            Ladybird::i_kaefer1, Ladybird::i_kaefer2, CreatureArt::Hare};
        const CreatureFrame &frame = frames[index];
        QImage image(frame.size * dpr, QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(dpr);
        image.fill(Qt::transparent);
        {
            QPainter painter(&image);
            CreatureArt::Draw(painter, QPoint(0, 0), frame, dpr);
        }
        QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
        QCOMPARE(qAlpha(image.pixel(image.width() - 1, 0)), 0);
        int opaque = 0;
        int clear = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                opaque += qAlpha(image.pixel(x, y)) == 255;
                clear += qAlpha(image.pixel(x, y)) == 0;
            }
        }
        const int all = image.width() * image.height();
        QVERIFY2(opaque > all / 4, qPrintable(QStringLiteral("%1 of %2 opaque").arg(opaque).arg(all)));
        QVERIFY2(clear > all / 6, qPrintable(QStringLiteral("%1 of %2 clear").arg(clear).arg(all)));
    }

    // The left-facing bee is the right-facing one mirrored, pixel for pixel.
    void leftBeeIsTheMirroredRightBee()
    {
        for (const qreal dpr : {1.0, 2.0}) {
            auto render = [dpr](const CreatureFrame &frame) {
                QImage image(frame.size * dpr, QImage::Format_ARGB32_Premultiplied);
                image.setDevicePixelRatio(dpr);
                image.fill(Qt::transparent);
                QPainter painter(&image);
                CreatureArt::Draw(painter, QPoint(0, 0), frame, dpr);
                return image;
            };
            QCOMPARE(render(Bee::i_biene3), render(Bee::i_biene1).mirrored(true, false));
            QCOMPARE(render(Bee::i_biene4), render(Bee::i_biene2).mirrored(true, false));
        }
    }
};

QTEST_MAIN(CreatureAnimationTest)
#include "CreatureAnimationTest.moc"
