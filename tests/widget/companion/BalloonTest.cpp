#include "companion/TBalloon.h"
#include "companion/TBalloonControl.h"

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <QWindow>

using namespace lumo;

class BalloonTest : public QObject {
    Q_OBJECT

private:
    static TBalloon *Show(TBalloonControl &control, const QString &title, const QStringList &text,
                          TBalloonPosition position, int duration = 0, int type = blnInfo)
    {
        control.Title = title;
        control.Text = text;
        control.Position = position;
        control.Duration = duration;
        control.BalloonType = type;
        control.PixelCoordinateX = 400;
        control.PixelCoordinateY = 300;
        return control.ShowBalloon();
    }

private slots:
    void cleanup()
    {
        TBalloon::CloseAll();
    }

    void arrowTipLiesOnThePointForEveryPosition()
    {
        TBalloonControl control;
        const TBalloonPosition all[] = {blnArrowTopLeft, blnArrowTopRight, blnArrowBottomLeft, blnArrowBottomRight};
        for (TBalloonPosition pos : all) {
            TBalloon *b = Show(control, QStringLiteral("Titel"), {QStringLiteral("Ein Text")}, pos);
            QVERIFY(b->isVisible());
            QCOMPARE(b->ArrowTip(), QPoint(400, 300));
            QCOMPARE(b->size(), QSize(b->Layout().width, b->Layout().height));
            // Bubbles named Top stand above the point, Bottom below it.
            const bool above = pos == blnArrowTopLeft || pos == blnArrowTopRight;
            QCOMPARE(b->geometry().bottom() < 300, above);
            // Left ones extend to the left of the point.
            const bool toLeft = pos == blnArrowTopLeft || pos == blnArrowBottomLeft;
            QCOMPARE(b->geometry().left() < 400 - 40, toLeft);
            control.CloseAllBalloons();
        }
    }

    void shapeIsTheRoundedBodyWithTheArrow()
    {
        TBalloonControl control;
        TBalloon *b = Show(control, QString(), {QStringLiteral("Hier kannst Du keine\r\nKarte setzen!")},
                           blnArrowTopRight);
        const QRegion mask = b->mask();
        const int w = b->width(), h = b->height();
        QVERIFY(!mask.contains(QPoint(0, 0)));          // rounded corner
        QVERIFY(mask.contains(QPoint(w / 2, 10)));      // body
        QVERIFY(mask.contains(QPoint(22, h - 5)));      // inside the arrow
        QVERIFY(!mask.contains(QPoint(w - 5, h - 5)));  // beside the arrow, below the body
        QVERIFY(!mask.contains(QPoint(60, h - 5)));
    }

    void emptyTitleShowsTwoTextLinesWithoutIcon()
    {
        TBalloonControl control;
        TBalloon *b = Show(control, QStringLiteral("   "), {QStringLiteral("Hier kannst Du keine\r\nKarte setzen!")},
                           blnArrowTopRight);
        QVERIFY(!b->IconShown());
        QCOMPARE(b->Layout().text.top, 12);
        const QFontMetrics fm(b->findChildren<QLabel *>().at(1)->font());
        QVERIFY(b->Layout().text.height >= 2 * fm.height());
        QCOMPARE(b->Text(), QStringLiteral("Hier kannst Du keine\r\nKarte setzen!"));

        TBalloon *below = Show(control, QString(), {QStringLiteral("x y z")}, blnArrowBottomLeft);
        QCOMPARE(below->Layout().text.top, 32);
    }

    void everyLineOfALongTextFitsInTheBody()
    {
        // The bird's system information: six lines, one of them empty.
        const QString text = QStringLiteral("Lumo Version 1.0.0.0\r\nZeile zwei\r\nSystem: Linux\r\n"
                                            "Computer (PC-System): undefiniert\r\n\r\nBitte warten!");
        TBalloonControl control;
        TBalloon *b = Show(control, QString(), {text}, blnArrowTopRight);
        const QLabel *label = b->findChildren<QLabel *>().at(1);
        QString shown = text;
        shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        // What the label's plain-text painting lays out for these lines.
        const int needed = QFontMetrics(label->font()).boundingRect(QRect(), Qt::AlignLeft | Qt::AlignTop, shown).height();
        QVERIFY2(label->height() >= needed, qPrintable(QStringLiteral("%1 < %2").arg(label->height()).arg(needed)));
        QVERIFY(label->geometry().bottom() < b->Layout().bodyY2);
    }

    void titleBringsTheIconOfItsTypeAndUnknownTypesTheInfoIcon()
    {
        TBalloonControl control;
        struct Case { int type; QString icon; };
        const Case cases[] = {
            {blnInfo, QStringLiteral(":/companion/info.svg")},
            {blnError, QStringLiteral(":/companion/error.svg")},
            {blnWarning, QStringLiteral(":/companion/warning.svg")},
            {7, QStringLiteral(":/companion/info.svg")},
        };
        for (const Case &c : cases) {
            TBalloon *b = Show(control, QStringLiteral("Nächster Zug?"), {QStringLiteral("Tipp! Pik 7 auf Pik 8")},
                               blnArrowTopRight, 0, c.type);
            QVERIFY(b->IconShown());
            QCOMPARE(b->IconPath(), c.icon);
            QCOMPARE(b->Layout().text.top, b->Layout().title.top + b->Layout().title.height + 8);
            control.CloseAllBalloons();
        }
    }

    void linesAreJoinedAndTrimmed()
    {
        TBalloonControl control;
        TBalloon *b = Show(control, QString(), {QStringLiteral("  eins"), QStringLiteral("zwei  ")}, blnArrowTopLeft);
        QCOMPARE(b->Text(), QStringLiteral("eins\r\nzwei"));
    }

    void durationClosesTheBalloon()
    {
        TBalloonControl control;
        QPointer<TBalloon> timed = Show(control, QString(), {QStringLiteral("Zwei Sekunden")}, blnArrowTopRight, 2);
        QPointer<TBalloon> staying = Show(control, QString(), {QStringLiteral("Bleibt")}, blnArrowTopLeft, 0);
        QTRY_VERIFY_WITH_TIMEOUT(timed.isNull(), 10000);
        QVERIFY(!staying.isNull());
        QVERIFY(staying->isVisible());
        QCOMPARE(TBalloon::OpenBalloons().size(), 1);
    }

    void aClickOnTheTextClosesIt()
    {
        TBalloonControl control;
        QPointer<TBalloon> b = Show(control, QStringLiteral("Titel"), {QStringLiteral("Klick mich")}, blnArrowTopRight);
        const BalloonRect text = b->Layout().text;
        QVERIFY(b->windowHandle());
        QTest::mouseClick(b->windowHandle(), Qt::LeftButton, {},
                          QPoint(text.left + text.width / 2, text.top + text.height / 2));
        QVERIFY(TBalloon::OpenBalloons().isEmpty());
        QTRY_VERIFY(b.isNull());
    }

    void closeAllClosesEveryBalloonAndCountsThem()
    {
        TBalloonControl control;
        QPointer<TBalloon> first = Show(control, QString(), {QStringLiteral("eins")}, blnArrowTopRight);
        QPointer<TBalloon> second = Show(control, QString(), {QStringLiteral("zwei")}, blnArrowBottomLeft);
        QCOMPARE(TBalloon::OpenBalloons().size(), 2);
        QCOMPARE(control.CloseAllBalloons(), 2);
        QVERIFY(TBalloon::OpenBalloons().isEmpty());
        QVERIFY(first.isNull());
        QVERIFY(second.isNull());
        QCOMPARE(control.CloseAllBalloons(), 0);
    }

    // Long work that processes no events follows a notice (a card flight,
    // the table's flashing): the balloon must have painted when showing returns.
    void balloonHasPaintedWhenShowingReturns()
    {
        TBalloonControl control;
        for (const TBalloonPosition pos : {blnArrowTopRight, blnArrowBottomLeft}) {
            QPointer<TBalloon> b = Show(control, QString(),
                {QStringLiteral("Karo As aufgedeckt.\r\nKarte wird nach\r\noben verschoben.")}, pos, 2);
            QVERIFY(b);
            QVERIFY(b->isVisible());
            QVERIFY(b->Painted());
            control.CloseAllBalloons();
        }
    }

    // A timer may close the balloon while showing waits for its paint; then
    // the caller gets nothing back and nothing touches the closed balloon.
    void aBalloonClosedWhileItIsShownIsLeftAlone()
    {
        struct CloseOnPaint : QObject {
            bool eventFilter(QObject *watched, QEvent *event) override
            {
                if (event->type() == QEvent::Paint && qobject_cast<TBalloon *>(watched))
                    QTimer::singleShot(0, [] { TBalloon::CloseAll(); });
                return false;
            }
        } closer;
        qApp->installEventFilter(&closer);
        TBalloonControl control;
        TBalloon *b = Show(control, QString(), {QStringLiteral("Gleich wieder weg")}, blnArrowTopRight);
        qApp->removeEventFilter(&closer);
        QVERIFY(b == nullptr);
        QVERIFY(TBalloon::OpenBalloons().isEmpty());
    }

    void showingDoesNotTakeTheFocus()
    {
        QWidget main;
        main.resize(200, 100);
        main.show();
        main.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&main));
        TBalloonControl control;
        TBalloon *b = Show(control, QString(), {QStringLiteral("Ohne Fokus")}, blnArrowTopRight);
        QVERIFY(b->testAttribute(Qt::WA_ShowWithoutActivating));
        QVERIFY(b->windowFlags() & Qt::WindowDoesNotAcceptFocus);
        QVERIFY(b->windowFlags() & Qt::WindowStaysOnTopHint);
        QTest::qWait(50);
        QCOMPARE(QApplication::activeWindow(), &main);
    }
};

QTEST_MAIN(BalloonTest)
#include "BalloonTest.moc"
