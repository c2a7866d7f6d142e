// The creatures in the real main window (offscreen): their steps on p_karten,
// the catch through the engine's points, the switch and every caller of it,
// their place in front of the cards, and what a step repaints.
#include "support/PaintRecorder.h"
#include "../timing/CreatureFakes.h"
#include "LumoFormTestAccess.h"
#include "MainWindowFixture.h"
#include "engine/BoardGeometry.h"
#include "persistence/SettingsPanel.h"
#include "persistence/SettingsStore.h"
#include "shell/QtGameHost.h"
#include "timing/Bee.h"
#include "timing/CreatureAnimation.h"
#include "timing/CreaturePicture.h"
#include "timing/Hare.h"
#include "timing/Ladybird.h"
#include "timing/TCKMultimediaTimer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QPaintEvent>
#include <QSet>
#include <QTimer>

#include <functional>

using namespace lumo;
using namespace lumo::testing;

namespace {

bool Shown(const QWidget *w)
{
    return w->isVisibleTo(w->parentWidget());
}

std::vector<TCKMultimediaTimer *> TimersOf(CreatureAnimation &c)
{
    return {c.Biene().t_biene, c.Biene().t_ani, c.Kaefer().t_kaefer, c.Hase().t_hase};
}

// Stops the creatures' timers so a test drives the handlers alone.
void Freeze(CreatureAnimation &c)
{
    for (TCKMultimediaTimer *t : TimersOf(c))
        t->SetEnabled(false);
}

} // namespace

class CreatureWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        // No stored settings: the start-up keeps the switches as they are.
        QFile::remove(SettingsStore::ForProgram().filePath());
        form = StartedForm();
        QVERIFY(form);
        wiring = &Parts(*form).Creatures();
        wiring->SetRandom(random);
        random.queued.clear();
        random.fallback = 0;
    }
    void cleanup()
    {
        form.reset();
    }

    void creaturesLiveOnTheTableHiddenAndStill()
    {
        CreatureAnimation &c = *wiring;
        for (QWidget *picture : c.Pictures()) {
            QCOMPARE(picture->parentWidget(), static_cast<QWidget *>(Parts(*form).p_karten));
            QVERIFY(!Shown(picture));
        }
        for (TCKMultimediaTimer *t : TimersOf(c))
            QVERIFY(!t->Enabled());
        QVERIFY(!Parts(*form).FAnimationOn);
    }

    void beeTurnsAtTheRightEnd()
    {
        CreatureAnimation &c = *wiring;
        wiring->SetAnimation(1);
        Freeze(c);
        c.Biene().t_biene->SetEnabled(true);
        c.Biene().i_biene0->move(790, 10);
        c.Biene().t_TimerBiene();
        QCOMPARE(c.Biene().i_biene0->x(), 795);
        c.Biene().t_TimerBiene();
        QVERIFY(!Shown(c.Biene().i_biene0));
        QCOMPARE(c.Biene().i_biene0->x(), 795);
        QCOMPARE(c.Biene().Direction(), 1);
        random.queued = {26};
        c.Biene().t_aniTimer();
        QVERIFY(Shown(c.Biene().i_biene0));
        c.Biene().t_TimerBiene();
        QCOMPARE(c.Biene().i_biene0->pos(), QPoint(790, 10));
    }

    void beeTurnsAtTheLeftEnd()
    {
        CreatureAnimation &c = *wiring;
        wiring->SetAnimation(1);
        Freeze(c);
        c.Biene().t_biene->SetEnabled(true);
        c.Biene().i_biene0->SetTag(1);
        c.Biene().i_biene0->move(600, 10);
        c.Biene().t_TimerBiene();
        QCOMPARE(c.Biene().i_biene0->x(), 595);
        c.Biene().t_TimerBiene();
        QVERIFY(!Shown(c.Biene().i_biene0));
        QCOMPARE(c.Biene().i_biene0->x(), 600);
        QCOMPARE(c.Biene().Direction(), 0);
    }

    void ladybirdGoesAtTheTopAndRestsAtTheFoot()
    {
        CreatureAnimation &c = *wiring;
        wiring->SetAnimation(1);
        Freeze(c);
        QCOMPARE(c.Kaefer().i_kaefer->pos(), QPoint(582, 477));
        int ticks = 0;
        int lastTop = 0;
        while (Shown(c.Kaefer().i_kaefer) && ticks < 200) {
            lastTop = c.Kaefer().i_kaefer->y();
            c.Kaefer().t_TimerKaefer();
            ++ticks;
        }
        QCOMPARE(lastTop, -18);
        QCOMPARE(ticks, 100);
        QCOMPARE(c.Kaefer().i_kaefer->pos(), QPoint(582, 471));
    }

    void caughtHareDucksAndScoresTen()
    {
        CreatureAnimation &c = *wiring;
        wiring->SetAnimation(1);
        Freeze(c);
        c.Hase().t_haseTimer();
        QCOMPARE(c.Hase().i_hase->y(), 410);
        const int before = Parts(*form).Engine().Points();
        QTest::mouseClick(c.Hase().i_hase, Qt::LeftButton, {}, QPoint(25, 30));
        QCOMPARE(Parts(*form).Engine().Points(), before + 10);
        QCOMPARE(c.Hase().i_hase->y(), 481);
        QCOMPARE(c.Hase().i_hase->Tag(), 0);
        QVERIFY(Parts(*form).p_karten->lb_punkte->text().endsWith(QString::number(before + 10)));
    }

    // While the board takes no input (Ready false, as during a deal) a click
    // on the hare gives nothing and leaves it up.
    void noPointsWhileTheBoardIsBusy()
    {
        CreatureAnimation &c = *wiring;
        wiring->SetAnimation(1);
        Freeze(c);
        c.Hase().t_haseTimer();
        const int before = Parts(*form).Engine().Points();
        Parts(*form).Engine().SetReady(false);
        QTest::mouseClick(c.Hase().i_hase, Qt::LeftButton, {}, QPoint(25, 30));
        Parts(*form).Engine().SetReady(true);
        QCOMPARE(Parts(*form).Engine().Points(), before);
        QCOMPARE(c.Hase().i_hase->y(), 410);
    }

    void switchValueTwoChangesNothing()
    {
        CreatureAnimation &c = *wiring;
        wiring->SetAnimation(2);
        QVERIFY(!Parts(*form).FAnimationOn);
        for (QWidget *picture : c.Pictures())
            QVERIFY(!Shown(picture));
        wiring->SetAnimation(1);
        Freeze(c);
        c.Kaefer().t_TimerKaefer();
        const QPoint ladybird = c.Kaefer().i_kaefer->pos();
        wiring->SetAnimation(2);
        QVERIFY(Parts(*form).FAnimationOn);
        QCOMPARE(c.Kaefer().i_kaefer->pos(), ladybird);
        for (TCKMultimediaTimer *t : TimersOf(c))
            QVERIFY(!t->Enabled());
    }

    // Off, nothing shows and the launcher starts no bee, whatever it would draw.
    void offMeansNothingShowsOrStarts()
    {
        CreatureAnimation &c = *wiring;
        random.fallback = 26;
        wiring->SetAnimation(1);
        wiring->SetAnimation(0);
        const std::size_t draws = random.ranges.size();
        QTest::qWait(1200);
        for (QWidget *picture : c.Pictures())
            QVERIFY(!Shown(picture));
        QCOMPARE(random.ranges.size(), draws);
        QVERIFY(!Parts(*form).FAnimationOn);
    }

    // The settings panel's switch shows and hides them, and says so.
    void settingsButtonSwitchesThem()
    {
        CreatureAnimation &c = *wiring;
        QAbstractButton *button = Parts(*form).p_engine->bt_ani();
        button->click();
        QVERIFY(Parts(*form).FAnimationOn);
        for (QWidget *picture : c.Pictures())
            QVERIFY(Shown(picture));
        QCOMPARE(button->text(), QStringLiteral("Animation ausschalten"));
        button->click();
        QVERIFY(!Parts(*form).FAnimationOn);
        for (QWidget *picture : c.Pictures())
            QVERIFY(!Shown(picture));
        QCOMPARE(button->text(), QStringLiteral("Animation einschalten"));
    }

    // A won game and the end buttons switch them off.
    void wonGameAndEndSwitchThemOff()
    {
        CreatureAnimation &c = *wiring;
        wiring->SetAnimation(1);
        Parts(*form).Host().StopAnimation();
        QVERIFY(!Parts(*form).FAnimationOn);
        for (QWidget *picture : c.Pictures())
            QVERIFY(!Shown(picture));
        wiring->SetAnimation(1);
        Parts(*form).bt_endeClick();
        QVERIFY(!Shown(c.Hase().i_hase));
        for (TCKMultimediaTimer *t : TimersOf(c))
            QVERIFY(!t->Enabled());
    }

    // With the setting on before the start, the start-up switches them on.
    void startUpAppliesTheSetting()
    {
        form.reset();
        auto fresh = std::make_unique<TLumoForm>();
        Parts(*fresh).FAnimationOn = true;
        QVERIFY(ShowAndStart(*fresh));
        CreatureAnimation &c = Parts(*fresh).Creatures();
        for (QWidget *picture : c.Pictures())
            QVERIFY(Shown(picture));
        for (TCKMultimediaTimer *t : TimersOf(c))
            QVERIFY(t->Enabled());
    }

    // Bringing a card to the front (a drag) keeps the creatures above it, and
    // a press on a card beneath the ladybird drags the card.
    void creaturesStayInFrontAndLetCardsBeDragged()
    {
        CreatureAnimation &c = *wiring;
        Parts(*form).Engine().SetPosition(TwoMovesPosition(1));
        Parts(*form).Host().Render();
        wiring->SetAnimation(1);
        Freeze(c);
        TPlayingCards *card = Parts(*form).p_karten->Card(KaroFuenf);
        c.Kaefer().i_kaefer->move(card->geometry().center() - QPoint(25, 25));
        c.Kaefer().t_TimerKaefer();
        const QPoint centre = c.Kaefer().i_kaefer->geometry().center();
        QCOMPARE(Parts(*form).p_karten->childAt(centre), static_cast<QWidget *>(card));

        const QPoint start = card->pos();
        QWindow *window = form->windowHandle();
        const QPoint inWindow = Parts(*form).p_karten->mapTo(form.get(), centre);
        QTest::mousePress(window, Qt::LeftButton, {}, inWindow);
        QTest::mouseMove(window, inWindow + QPoint(40, 40));
        const auto &siblings = Parts(*form).p_karten->children();
        for (QWidget *picture : c.Pictures())
            QVERIFY2(siblings.indexOf(picture) > siblings.indexOf(card), qPrintable(picture->objectName()));
        QVERIFY2(card->pos() != start, "the card under the ladybird follows the pointer");
        QTest::mouseRelease(window, Qt::LeftButton, {}, inWindow + QPoint(40, 40));
    }

    // A bee step over the score box repaints its old and new rectangles only;
    // no card and none of the labels elsewhere is painted.
    void beeStepRepaintsItsRectanglesOnly()
    {
        CreatureAnimation &c = *wiring;
        wiring->SetAnimation(1);
        Freeze(c);
        c.Biene().t_biene->SetEnabled(true);
        for (int i = 0; i < 4; ++i)
            c.Biene().t_TimerBiene();
        FlushRepaints();
        PaintRecorder recorder(*Parts(*form).p_karten);
        const QRect before = c.Biene().i_biene0->geometry();
        c.Biene().t_TimerBiene();
        const QRect after = c.Biene().i_biene0->geometry();
        FlushRepaints();
        QVERIFY(!recorder.painted.isEmpty());
        QVERIFY((recorder.painted - (QRegion(before) + QRegion(after))).isEmpty());
        for (int card = 1; card <= 52; ++card)
            QVERIFY(!recorder.paintedWidgets.contains(Parts(*form).p_karten->Card(card)));
    }

private:
    std::unique_ptr<TLumoForm> form;
    CreatureAnimation *wiring = nullptr;
    ScriptedRandom random;
};

QTEST_MAIN(CreatureWindowTest)
#include "CreatureWindowTest.moc"
