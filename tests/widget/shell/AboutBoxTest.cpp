// The about box: its size from the text and the main window, its look, and
// the ways it closes.

#include "companion/MessageDialog.h"
#include "lookfeel/GlassButton.h"
#include "lookfeel/GradientPanel.h"
#include "lookfeel/LookColors.h"
#include "shell/AboutBox.h"
#include "shell/TForm_Ueber.h"
#include "shell/TScrollingText.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QPointer>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QToolTip>

#include <functional>

using namespace lumo;

namespace {

// Runs the action on the about box once it is shown and active.
void OnBox(std::function<void(TForm_Ueber *)> act)
{
    auto *timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, act] {
        auto *box = qobject_cast<TForm_Ueber *>(QApplication::activeModalWidget());
        if (!box || !box->isVisible() || !box->Roll()->Active())
            return;
        timer->stop();
        timer->deleteLater();
        act(box);
    });
    timer->start();
}

// Closes whatever about box is still open after a generous wait, so a test that
// fails to close one does not hang the run.
void CloseLeftOverBoxesLater()
{
    QTimer::singleShot(20000, [] {
        for (QWidget *w : QApplication::topLevelWidgets())
            if (auto *box = qobject_cast<TForm_Ueber *>(w); box && box->isVisible())
                box->done(QDialog::Rejected);
    });
}

int PixelHeight(const QString &text)
{
    TScrollingText probe;
    return QFontMetrics(probe.BufferFont()).size(Qt::TextSingleLine, text).height();
}

int PixelWidth(const QString &text)
{
    TScrollingText probe;
    return QFontMetrics(probe.BufferFont()).horizontalAdvance(text);
}

QString Lines(int n, const QString &line = QStringLiteral("Zeile"))
{
    QStringList lines;
    for (int i = 0; i < n; ++i)
        lines << line;
    return lines.join(QStringLiteral("\r\n"));
}

} // namespace

class AboutBoxTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup()
    {
        SetDialogMainWindow(nullptr);
    }

    void threeShortLinesShrinkTheWindowAndStartBelowTheEdge()
    {
        TForm_Ueber box;
        box.Roll()->SetInterval(1000000);
        box.SetText(QStringLiteral("eins\r\nzwei\r\n#drei"));
        const int h = PixelHeight(QStringLiteral("Ö,X"));
        QCOMPARE(box.size(), QSize(PixelWidth(QStringLiteral("#drei")) + 20, 3 * h + 50));
        QCOMPARE(box.Roll()->geometry(), QRect(2, 2, box.width() - 4, box.height() - 44));
        box.show();
        QVERIFY(QTest::qWaitForWindowActive(&box));
        QVERIFY(box.Roll()->Active());
        QCOMPARE(box.Roll()->Offset(), box.Roll()->height());
        QCOMPARE(box.Roll()->Lines(), (QStringList{"eins", "zwei", "#drei"}));
    }

    void looksLikeTheProgramsDialogs()
    {
        TForm_Ueber box;
        box.SetText(Lines(3));
        QVERIFY(box.windowFlags() & Qt::FramelessWindowHint);
        QVERIFY(box.isModal());
        QVERIFY(box.windowTitle().startsWith(QStringLiteral("Informationen zu ")));
        QVERIFY(box.windowTitle().endsWith(QStringLiteral(" Version 26.4.6.0")));
        QVERIFY(qAbs(box.windowOpacity() - 220 / 255.0) < 0.01);
        QCOMPARE(QToolTip::palette().color(QPalette::ToolTipBase), LookColors::LightBlue());

        QCOMPARE(box.Roll()->Color(), QColor(154, 123, 31));
        QCOMPARE(box.Roll()->TextColor(), QColor(0, 0, 128));
        QCOMPARE(box.Roll()->Interval(), 35);

        QCOMPARE(box.Bar()->geometry(), QRect(2, box.height() - 42, box.width() - 4, 40));
        QCOMPARE(box.Bar()->StartColor(), LookColors::DarkBlue());
        QCOMPARE(box.Bar()->EndColor(), LookColors::LightBlue());
        QCOMPARE(box.Bar()->cursor().shape(), Qt::SizeAllCursor);
        QCOMPARE(box.CloseButton()->text(), QStringLiteral("&Schließen"));
        QCOMPARE(box.CloseButton()->geometry(), QRect((box.width() - 99) / 2, 7, 99, 25));
        QCOMPARE(box.CloseButton()->FaceColor(), LookColors::FrameBlue());
        QCOMPARE(box.CloseMenuItem()->text(), QStringLiteral("ESC - Schließen"));
        QCOMPARE(box.ContextMenu()->actions(), QList<QAction *>{box.CloseMenuItem()});

        // The 2-px border in dark blue around roll and bar.
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        const QImage image = box.grab().toImage();
        for (QPoint p : {QPoint(0, 0), QPoint(1, box.height() / 2), QPoint(box.width() - 1, 10),
                         QPoint(box.width() / 2, box.height() - 2)})
            QCOMPARE(image.pixelColor(p), LookColors::DarkBlue());
    }

    void closeButtonShinesLimeUnderThePointer()
    {
        TForm_Ueber box;
        box.SetText(Lines(3, QString(60, QLatin1Char('W'))));
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
        QApplication::sendEvent(box.CloseButton(), &enter);
        QCOMPARE(box.CloseButton()->ShineColor(), LookColors::HoverLime());
        // Moves over the button reach the bar too; they keep the shine.
        QMouseEvent onButton(QEvent::MouseMove, QPointF(20, 10), box.CloseButton()->mapToGlobal(QPointF(20, 10)),
                             Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(box.CloseButton(), &onButton);
        QCOMPARE(box.CloseButton()->ShineColor(), LookColors::HoverLime());
        QMouseEvent onBar(QEvent::MouseMove, QPointF(3, 3), box.Bar()->mapToGlobal(QPointF(3, 3)), Qt::NoButton,
                          Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(box.Bar(), &onBar);
        QCOMPARE(box.CloseButton()->ShineColor(), QColor(Qt::white));
    }

    void heightFollowsTheMainWindowAndShrinksToShortTexts_data()
    {
        QTest::addColumn<QSize>("main");
        QTest::addColumn<int>("lines");
        QTest::addColumn<int>("height"); // -1: n x h + 50
        QTest::newRow("long text, game window") << QSize(792, 541) << 100 << 461;
        QTest::newRow("long text, tall window") << QSize(792, 700) << 100 << 620;
        QTest::newRow("long text, window just high enough") << QSize(792, 350) << 100 << 270;
        QTest::newRow("long text, window too low") << QSize(792, 349) << 100 << TForm_Ueber::DesignHeight;
        QTest::newRow("long text, no window") << QSize() << 100 << TForm_Ueber::DesignHeight;
        QTest::newRow("short text, game window") << QSize(792, 541) << 5 << -1;
    }

    void heightFollowsTheMainWindowAndShrinksToShortTexts()
    {
        QFETCH(QSize, main);
        QFETCH(int, lines);
        QFETCH(int, height);
        const int h = PixelHeight(QStringLiteral("Ö,X"));
        QWidget mainWindow;
        if (main.isValid()) {
            mainWindow.resize(main);
            SetDialogMainWindow(&mainWindow);
        }
        TForm_Ueber box;
        box.SetText(Lines(lines));
        QCOMPARE(box.height(), height == -1 ? lines * h + 50 : height);
        QCOMPARE(box.width(), PixelWidth(QStringLiteral("Zeile")) + 20);
    }

    void aWindowWiderThanTheScreenIsCutToIt()
    {
        const int screenWidth = QGuiApplication::primaryScreen()->geometry().width();
        QString wide;
        while (PixelWidth(wide) + 20 <= screenWidth)
            wide += QStringLiteral("Wörter ");
        TForm_Ueber box;
        box.SetText(QStringLiteral("kurz\r\n") + wide + QStringLiteral("\r\nkurz"));
        QCOMPARE(box.width(), screenWidth - 20);
        QCOMPARE(box.CloseButton()->x(), (screenWidth - 20 - 99) / 2);
        // Just as wide as the screen is not wider than it.
        QString fits = QStringLiteral("x");
        while (PixelWidth(fits + QStringLiteral("x")) + 20 <= screenWidth)
            fits += QStringLiteral("x");
        TForm_Ueber second;
        second.SetText(fits);
        QCOMPARE(second.width(), PixelWidth(fits) + 20);
    }

    void standsCentredOverTheVisibleMainWindow()
    {
        QWidget mainWindow;
        mainWindow.setGeometry(40, 30, 792, 541);
        mainWindow.show();
        QVERIFY(QTest::qWaitForWindowExposed(&mainWindow));
        SetDialogMainWindow(&mainWindow);
        TForm_Ueber box;
        box.SetText(Lines(4));
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        const QRect frame = mainWindow.frameGeometry();
        QCOMPARE(box.pos(), QPoint((frame.width() - box.width()) / 2 + frame.left(),
                                   (frame.height() - box.height()) / 2 + frame.top()));
    }

    void rollRunsAgainOnEveryActivation()
    {
        TForm_Ueber box;
        box.SetText(Lines(4));
        box.show();
        QVERIFY(QTest::qWaitForWindowActive(&box));
        QVERIFY(box.Roll()->Active());
        box.Roll()->SetActive(false);
        QWidget other;
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        QVERIFY(!box.Roll()->Active());
        box.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&box));
        QVERIFY(box.Roll()->Active());
    }

    void blankLinesAreNeverRolled()
    {
        TForm_Ueber box;
        box.SetText(QStringLiteral("   \r\n\t"));
        box.show();
        QVERIFY(QTest::qWaitForWindowActive(&box));
        QVERIFY(!box.Roll()->Active());
    }

    void aBlankTextShowsNoWindow()
    {
        bool seen = false;
        QTimer watch;
        QObject::connect(&watch, &QTimer::timeout, [&] {
            if (qobject_cast<TForm_Ueber *>(QApplication::activeModalWidget()))
                seen = true;
        });
        watch.start(1);
        CloseLeftOverBoxesLater();
        ShowAboutText(QStringLiteral(" \r\n \t\r\n"));
        QTest::qWait(30);
        QVERIFY(!seen);
        for (QWidget *w : QApplication::topLevelWidgets())
            QVERIFY(!qobject_cast<TForm_Ueber *>(w));
    }

    void waysToClose_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("Escape") << "Escape";
        QTest::newRow("close button") << "button";
        QTest::newRow("menu item") << "menu";
    }

    void waysToClose()
    {
        QFETCH(QString, how);
        QPointer<TForm_Ueber> seen;
        bool stillOpenAfterEnter = false;
        OnBox([&](TForm_Ueber *box) {
            seen = box;
            // Enter does nothing, whatever follows.
            QTest::keyClick(box, Qt::Key_Return);
            QTest::keyClick(box, Qt::Key_Enter, Qt::KeypadModifier);
            QTest::qWait(50);
            stillOpenAfterEnter = box->isVisible() && QApplication::activeModalWidget() == box;
            if (how == "Escape")
                QTest::keyClick(box, Qt::Key_Escape);
            else if (how == "button")
                box->CloseButton()->click();
            else
                box->CloseMenuItem()->trigger();
        });
        CloseLeftOverBoxesLater();
        ShowAboutText(Lines(5));
        QVERIFY(stillOpenAfterEnter);
        // The box is gone once the call has returned.
        QVERIFY(seen.isNull());
        for (QWidget *w : QApplication::topLevelWidgets())
            QVERIFY(!qobject_cast<TForm_Ueber *>(w));
    }

    void contextMenuOpensOnTheRollAndTheWindow()
    {
        TForm_Ueber box;
        box.SetText(Lines(5));
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        for (QWidget *source : {static_cast<QWidget *>(box.Roll()), static_cast<QWidget *>(box.Bar())}) {
            QContextMenuEvent menu(QContextMenuEvent::Mouse, QPoint(10, 10), source->mapToGlobal(QPoint(10, 10)));
            QApplication::sendEvent(source, &menu);
            QTRY_VERIFY(box.ContextMenu()->isVisible());
            box.ContextMenu()->hide();
        }
    }
};

QTEST_MAIN(AboutBoxTest)
#include "AboutBoxTest.moc"
