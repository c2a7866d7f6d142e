#include "FrameTest.h"

#include "MainWindowFixture.h"
#include "persistence/SettingsStore.h"
#include "shell/MenuController.h"
#include "shell/MenuPanel.h"
#include "shell/MusicBar.h"
#include "shell/TitleBar.h"
#include "table/TableImage.h"
#include "timing/TCKMultimediaTimer.h"

#include <QAbstractButton>
#include <QFile>
#include <QFileInfo>
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
    QCOMPARE(Parts(*form).p_karten->geometry(), QRect(2, 40, 788, 483));
    QCOMPARE(Parts(*form).panel_menue->height(), 38);
    QCOMPARE(Parts(*form).p_Sound->geometry().height(), 17);
    QCOMPARE(Parts(*form).panel_menue->bt_menue->geometry(), QRect(46, 19, 60, 19));
    QCOMPARE(Parts(*form).panel_menue->bt_ende->geometry(), QRect(756, 7, 25, 25));
    QCOMPARE(Parts(*form).panel_menue->bt_ende->toolTip(), QStringLiteral("Programm beenden"));
    QCOMPARE(Parts(*form).panel_menue->lb_menue->text(),
        Parts(*form).CaptionText() + QStringLiteral(" Vers. ") + Parts(*form).ProgramVersionText());
    QVERIFY(Parts(*form).CaptionText().startsWith(QStringLiteral("Lumo © 2003/")));
    QVERIFY(Parts(*form).CaptionText().endsWith(QLatin1Char(' ')));
    QCOMPARE(Parts(*form).p_menue->geometry(), QRect(0, 0, 155, 240));
    QCOMPARE(Parts(*form).p_menue->bt_setup->toolTip(),
        QStringLiteral("Einstellungen:\r\n- Sound\r\n- Animation"));
    QVERIFY(Parts(*form).p_menue->bt_mail->isHidden());
    QCOMPARE(Parts(*form).p_karten->PileFrame(18)->geometry(), QRect(625, 355, 86, 110));
    QCOMPARE(Parts(*form).p_karten->Foundation(1)->geometry(), QRect(145, 5, 86, 110));
    // The music bar's caption as designed; the music switch rewrites it at start.
    MusicBar bar;
    QCOMPARE(bar.lb_midi->text(), QStringLiteral("Hintergrundmusik ist aus."));
    QCOMPARE(bar.lb_midi->toolTip(), QStringLiteral("Musik einschalten"));
    QCOMPARE(Parts(*form).kopf_timer->Interval(), 250u);
    QVERIFY(Parts(*form).kopf_timer->Enabled());
    QCOMPARE(Parts(*form).t_blinker->Interval(), 500u);
}

void FrameTest::marqueeReturnsToItsStartAfterOneTickPerCharacter()
{
    auto form = StartedForm();
    QVERIFY(form);
    QCOMPARE(Parts(*form).ActivationMark(), 1);
    Parts(*form).kopf_timer->SetEnabled(false);
    const QString caption = Parts(*form).CaptionText();
    const int n = static_cast<int>(caption.toStdU32String().size());

    const QString shown = Parts(*form).MarqueeText();
    Parts(*form).kopf_timerTimer();
    QCOMPARE(Parts(*form).MarqueeText().size(), caption.size());
    const QString start = form->windowTitle();
    // A tick shows the text as it stood, a turn of the caption, and only then
    // moves it on by one character.
    QCOMPARE(start, shown);
    QVERIFY2((caption + caption).contains(start), qPrintable(start));
    for (int tick = 1; tick < n; ++tick) {
        Parts(*form).kopf_timerTimer();
        QVERIFY2(form->windowTitle() != start, qPrintable(QStringLiteral("tick %1").arg(tick)));
    }
    Parts(*form).kopf_timerTimer();
    QCOMPARE(form->windowTitle(), start);
    // Runs from right to left: the second tick shows the text without its
    // first character, that character moved to the end.
    Parts(*form).kopf_timerTimer();
    QCOMPARE(form->windowTitle(), start.mid(1) + start.left(1));
}

void FrameTest::marqueeWaitsForTheFirstActivation()
{
    TLumoForm form;
    Parts(form).kopf_timer->SetEnabled(false);
    QCOMPARE(Parts(form).ActivationMark(), 0);
    const QString before = Parts(form).MarqueeText();
    Parts(form).kopf_timerTimer();
    Parts(form).kopf_timerTimer();
    QCOMPARE(form.windowTitle(), QStringLiteral("Lumo"));
    QCOMPARE(Parts(form).MarqueeText(), before);
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
    Parts(*form).kopf_timer->SetEnabled(false);
    const QRect desk = form->screen()->virtualGeometry();
    form->move(desk.topLeft() + offset);
    QCOMPARE(form->frameGeometry().topLeft(), desk.topLeft() + offset);
    Parts(*form).kopf_timerTimer();
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
    QVERIFY(Parts(*form).p_menue->isHidden());

    QTest::mouseMove(Parts(*form).panel_menue->bt_menue, QPoint(20, 8));
    QVERIFY(Parts(*form).p_menue->isVisible());
    QCOMPARE(Parts(*form).Menu().MenuMark(), 1);
    // Moving on over the button and into the menu keeps it open.
    QTest::mouseMove(Parts(*form).panel_menue->bt_menue, QPoint(25, 10));
    QTest::mouseMove(Parts(*form).p_menue->bt_neu, QPoint(20, 10));
    QTest::mouseMove(Parts(*form).p_menue, QPoint(3, 100));
    QVERIFY(Parts(*form).p_menue->isVisible());
    // A move over a card or a frame is not a move over the table.
    QTest::mouseMove(Parts(*form).p_karten->PileFrame(6), QPoint(2, 2));
    QVERIFY(Parts(*form).p_menue->isVisible());
    // Onto the free table: closed.
    QTest::mouseMove(Parts(*form).p_karten, QPoint(560, 470));
    QVERIFY(Parts(*form).p_menue->isHidden());
    QCOMPARE(Parts(*form).Menu().MenuMark(), 0);

    // Back onto the button opens it again; onto the title bar closes it.
    QTest::mouseMove(Parts(*form).panel_menue->bt_menue, QPoint(20, 8));
    QVERIFY(Parts(*form).p_menue->isVisible());
    QTest::mouseMove(Parts(*form).panel_menue, QPoint(400, 5));
    QVERIFY(Parts(*form).p_menue->isHidden());

    // Only entering acts: opened while the pointer rests on the table (as a
    // key command does), further moves over the table leave it open.
    QTest::mouseMove(Parts(*form).p_karten, QPoint(560, 470));
    Parts(*form).bt_menueClick();
    QTest::mouseMove(Parts(*form).p_karten, QPoint(570, 472));
    QVERIFY(Parts(*form).p_menue->isVisible());
    Parts(*form).bt_menueClick();

    // A click on the button toggles it.
    QTest::mouseClick(Parts(*form).panel_menue->bt_menue, Qt::LeftButton);
    QVERIFY(Parts(*form).p_menue->isVisible());
    QTest::mouseClick(Parts(*form).panel_menue->bt_menue, Qt::LeftButton);
    QVERIFY(Parts(*form).p_menue->isHidden());
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
        if (Parts(*form).Engine().Busy() && !sawBusy) {
            sawBusy = true;
            Parts(*form).bt_menueClick();
            shownDuringDeal = Parts(*form).p_menue->isVisible();
        }
    });
    probe.start();
    QTest::mouseClick(Parts(*form).p_menue->bt_neu, Qt::LeftButton);
    probe.stop();
    QVERIFY(sawBusy);
    QVERIFY(!shownDuringDeal);
}

void FrameTest::endButtonsSaveButClosingOtherwiseDoesNot()
{
    const QString store = SettingsStore::ForProgram().filePath();
    for (int way = 0; way < 3; ++way) {
        QFile::remove(store);
        auto form = StartedForm();
        QVERIFY(form);
        // Running, so that switching it off for the end shows.
        Parts(*form).FAnimationOn = true;
        if (way == 0)
            QTest::mouseClick(Parts(*form).panel_menue->bt_ende, Qt::LeftButton);
        else if (way == 1)
            QTest::mouseClick(Parts(*form).p_menue->bt_exit, Qt::LeftButton);
        else
            form->close(); // the window manager's close
        QVERIFY(!form->isVisible());
        QCOMPARE(QFileInfo::exists(store), way < 2);
        // Stored as it was shown, then switched off.
        if (way < 2)
            QCOMPARE(SettingsStore::ForProgram().Read().animation, std::optional<bool>(true));
        QCOMPARE(!Parts(*form).FAnimationOn, way < 2);
    }
    QFile::remove(store);
}

void FrameTest::nativeToolTipsAreSuppressed()
{
    auto form = StartedForm();
    QVERIFY(form);
    QWidget *button = Parts(*form).panel_menue->bt_ende;
    QHelpEvent help(QEvent::ToolTip, QPoint(5, 5), button->mapToGlobal(QPoint(5, 5)));
    // The application's filter takes the event before the widget sees it.
    QVERIFY(QApplication::sendEvent(button, &help));
}

} // namespace lumo::testing
