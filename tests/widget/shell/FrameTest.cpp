#include "FrameTest.h"

#include "MainWindowFixture.h"
#include "shell/MenuController.h"
#include "shell/MenuPanel.h"
#include "shell/MusicBar.h"
#include "shell/TitleBar.h"
#include "table/TableImage.h"
#include "timing/TCKMultimediaTimer.h"

#include <QAbstractButton>
#include <QHelpEvent>
#include <QLabel>
#include <QScreen>

namespace lumo::testing {

void FrameTest::layoutFollowsTheDesign()
{
    auto form = StartedForm();
    QVERIFY(form);
    QCOMPARE(form->size(), QSize(792, 541));
    QVERIFY(form->windowFlags() & Qt::FramelessWindowHint);
    QCOMPARE(form->p_karten->geometry(), QRect(2, 40, 788, 483));
    QCOMPARE(form->panel_menue->height(), 38);
    QCOMPARE(form->p_Sound->geometry().height(), 17);
    QCOMPARE(form->panel_menue->bt_menue->geometry(), QRect(46, 19, 60, 19));
    QCOMPARE(form->panel_menue->bt_ende->geometry(), QRect(756, 7, 25, 25));
    QCOMPARE(form->panel_menue->bt_ende->toolTip(), QStringLiteral("Programm beenden"));
    QCOMPARE(form->panel_menue->lb_menue->text(),
        form->CaptionText() + QStringLiteral(" Vers. ") + form->ProgramVersionText());
    QVERIFY(form->CaptionText().startsWith(QStringLiteral("Lumo © 2003/")));
    QVERIFY(form->CaptionText().endsWith(QLatin1Char(' ')));
    QCOMPARE(form->p_menue->geometry(), QRect(0, 0, 155, 240));
    QCOMPARE(form->p_menue->bt_setup->toolTip(),
        QStringLiteral("Einstellungen:\r\n- Sound\r\n- Animation"));
    QVERIFY(form->p_menue->bt_mail->isHidden());
    QCOMPARE(form->p_karten->PileFrame(18)->geometry(), QRect(625, 355, 86, 110));
    QCOMPARE(form->p_karten->Foundation(1)->geometry(), QRect(145, 5, 86, 110));
    // The music bar's caption as designed; the music switch rewrites it at start.
    MusicBar bar;
    QCOMPARE(bar.lb_midi->text(), QStringLiteral("Hintergrundmusik ist aus."));
    QCOMPARE(bar.lb_midi->toolTip(), QStringLiteral("Musik einschalten"));
    QCOMPARE(form->kopf_timer->Interval(), 250u);
    QVERIFY(form->kopf_timer->Enabled());
    QCOMPARE(form->t_blinker->Interval(), 500u);
}

void FrameTest::marqueeReturnsToItsStartAfterOneTickPerCharacter()
{
    auto form = StartedForm();
    QVERIFY(form);
    QCOMPARE(form->ActivationMark(), 1);
    form->kopf_timer->SetEnabled(false);
    const QString caption = form->CaptionText();
    const int n = static_cast<int>(caption.toStdU32String().size());

    form->kopf_timerTimer();
    QCOMPARE(form->MarqueeText().size(), caption.size());
    const QString start = form->windowTitle();
    QCOMPARE(start, caption.isEmpty() ? start : form->windowTitle());
    for (int tick = 1; tick < n; ++tick) {
        form->kopf_timerTimer();
        QVERIFY2(form->windowTitle() != start, qPrintable(QStringLiteral("tick %1").arg(tick)));
    }
    form->kopf_timerTimer();
    QCOMPARE(form->windowTitle(), start);
    // Runs from right to left: the second tick shows the text without its
    // first character, that character moved to the end.
    form->kopf_timerTimer();
    QCOMPARE(form->windowTitle(), start.mid(1) + start.left(1));
}

void FrameTest::marqueeWaitsForTheFirstActivation()
{
    TLumoForm form;
    form.kopf_timer->SetEnabled(false);
    QCOMPARE(form.ActivationMark(), 0);
    const QString before = form.MarqueeText();
    form.kopf_timerTimer();
    form.kopf_timerTimer();
    QCOMPARE(form.windowTitle(), QStringLiteral("Lumo"));
    QCOMPARE(form.MarqueeText(), before);
}

void FrameTest::windowOffTheDesktopIsPulledBack_data()
{
    QTest::addColumn<QPoint>("offset"); // from the desktop's top-left corner
    QTest::addColumn<QPoint>("expected");
    const QRect desk = QGuiApplication::primaryScreen()->virtualGeometry();
    QTest::newRow("above and left") << QPoint(-100, -60) << desk.topLeft() + QPoint(1, 1);
    QTest::newRow("below and right")
        << QPoint(desk.width() - 300, desk.height() - 100)
        << desk.topLeft() + QPoint(desk.width() - 792 - 1, desk.height() - 541);
}

void FrameTest::windowOffTheDesktopIsPulledBack()
{
    QFETCH(QPoint, offset);
    QFETCH(QPoint, expected);
    auto form = StartedForm();
    QVERIFY(form);
    form->kopf_timer->SetEnabled(false);
    const QRect desk = form->screen()->virtualGeometry();
    form->move(desk.topLeft() + offset);
    QCOMPARE(form->frameGeometry().topLeft(), desk.topLeft() + offset);
    form->kopf_timerTimer();
    QCOMPARE(form->frameGeometry().topLeft(), expected);
}

void FrameTest::titleTickPullsTheWindowBackByItself()
{
    auto form = StartedForm();
    QVERIFY(form);
    const QRect desk = form->screen()->virtualGeometry();
    form->move(desk.topLeft() + QPoint(-200, 30));
    // The running title tick does it; nothing else is called here.
    QTRY_COMPARE_WITH_TIMEOUT(form->frameGeometry().left(), desk.left() + 1, 5000);
    QCOMPARE(form->frameGeometry().top(), desk.top() + 30);
}

void FrameTest::menuOpensOnHoverAndClosesOnTheTable()
{
    auto form = StartedForm();
    QVERIFY(form);
    QVERIFY(form->p_menue->isHidden());

    QTest::mouseMove(form->panel_menue->bt_menue, QPoint(20, 8));
    QVERIFY(form->p_menue->isVisible());
    QCOMPARE(form->Menu().MenuMark(), 1);
    // Moving on over the button and into the menu keeps it open.
    QTest::mouseMove(form->panel_menue->bt_menue, QPoint(25, 10));
    QTest::mouseMove(form->p_menue->bt_neu, QPoint(20, 10));
    QTest::mouseMove(form->p_menue, QPoint(3, 100));
    QVERIFY(form->p_menue->isVisible());
    // A move over a card or a frame is not a move over the table.
    QTest::mouseMove(form->p_karten->PileFrame(6), QPoint(2, 2));
    QVERIFY(form->p_menue->isVisible());
    // Onto the free table: closed.
    QTest::mouseMove(form->p_karten, QPoint(560, 470));
    QVERIFY(form->p_menue->isHidden());
    QCOMPARE(form->Menu().MenuMark(), 0);

    // Back onto the button opens it again; onto the title bar closes it.
    QTest::mouseMove(form->panel_menue->bt_menue, QPoint(20, 8));
    QVERIFY(form->p_menue->isVisible());
    QTest::mouseMove(form->panel_menue, QPoint(400, 5));
    QVERIFY(form->p_menue->isHidden());

    // Only entering acts: opened while the pointer rests on the table (as a
    // key command does), further moves over the table leave it open.
    QTest::mouseMove(form->p_karten, QPoint(560, 470));
    form->bt_menueClick();
    QTest::mouseMove(form->p_karten, QPoint(570, 472));
    QVERIFY(form->p_menue->isVisible());
    form->bt_menueClick();

    // A click on the button toggles it.
    QTest::mouseClick(form->panel_menue->bt_menue, Qt::LeftButton);
    QVERIFY(form->p_menue->isVisible());
    QTest::mouseClick(form->panel_menue->bt_menue, Qt::LeftButton);
    QVERIFY(form->p_menue->isHidden());
}

void FrameTest::menuDoesNotOpenWhileANewGameIsDealt()
{
    auto form = StartedForm();
    QVERIFY(form);
    bool shownDuringDeal = false;
    bool sawBusy = false;
    // The deal waits between cards; try to open the menu in one of those waits.
    QTimer probe;
    probe.setInterval(2);
    QObject::connect(&probe, &QTimer::timeout, [&] {
        if (form->Engine().Busy() && !sawBusy) {
            sawBusy = true;
            form->bt_menueClick();
            shownDuringDeal = form->p_menue->isVisible();
        }
    });
    probe.start();
    QTest::mouseClick(form->p_menue->bt_neu, Qt::LeftButton);
    probe.stop();
    QVERIFY(sawBusy);
    QVERIFY(!shownDuringDeal);
}

void FrameTest::endButtonsSaveButClosingOtherwiseDoesNot()
{
    for (int way = 0; way < 3; ++way) {
        auto form = StartedForm();
        QVERIFY(form);
        int saved = 0;
        bool animationOff = false;
        form->WriteSettings = [&] { ++saved; };
        form->SetAnimation = [&](bool on) { animationOff = !on; };
        if (way == 0)
            QTest::mouseClick(form->panel_menue->bt_ende, Qt::LeftButton);
        else if (way == 1)
            QTest::mouseClick(form->p_menue->bt_exit, Qt::LeftButton);
        else
            form->close(); // the window manager's close
        QVERIFY(!form->isVisible());
        QCOMPARE(saved, way < 2 ? 1 : 0);
        QCOMPARE(animationOff, way < 2);
    }
}

void FrameTest::nativeToolTipsAreSuppressed()
{
    auto form = StartedForm();
    QVERIFY(form);
    QWidget *button = form->panel_menue->bt_ende;
    QHelpEvent help(QEvent::ToolTip, QPoint(5, 5), button->mapToGlobal(QPoint(5, 5)));
    // The application's filter takes the event before the widget sees it.
    QVERIFY(QApplication::sendEvent(button, &help));
}

} // namespace lumo::testing
