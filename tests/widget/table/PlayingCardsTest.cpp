#include "table/CardArt.h"
#include "table/TPlayingCards.h"

#include <QEnterEvent>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QtTest>

#include <functional>
#include <memory>

using lumo::EPlayingCard;
using lumo::TPlayingCards;

namespace {

const QColor Green(0, 128, 64);

// The card table stand-in: a plain green panel that counts presses reaching it.
class GreenTable : public QWidget {
public:
    int presses = 0;

protected:
    void paintEvent(QPaintEvent *) override { QPainter(this).fillRect(rect(), Green); }
    void mousePressEvent(QMouseEvent *) override { ++presses; }
};

class PaintCounter : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

QImage Grab(QWidget &table, const TPlayingCards &card)
{
    return table.grab(card.geometry()).toImage().convertToFormat(QImage::Format_RGB32);
}

} // namespace

class PlayingCardsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<GreenTable> table;
    TPlayingCards *card = nullptr;

private slots:
    void init()
    {
        table = std::make_unique<GreenTable>();
        table->resize(200, 200);
        card = new TPlayingCards(table.get());
        card->move(20, 30);
    }
    void cleanup() { table.reset(); }

    void defaults()
    {
        QCOMPARE(card->size(), QSize(71, 96));
        QCOMPARE(card->FaceIndex(), 1);
        QCOMPARE(card->Value(), 1);
        QCOMPARE(card->Suit(), 0);
        QCOMPARE(card->BackIndex(), 1);
        QCOMPARE(card->ToolIndex(), 0);
        QCOMPARE(card->Site(), lumo::soFace);
        QCOMPARE(card->Spielart(), lumo::saRommee);
        QCOMPARE(card->Position, lumo::posNone);
        QCOMPARE(card->Stapel(), 0);
        QVERIFY(!card->Selected());
        QCOMPARE(card->CardName(), QStringLiteral("Kreuz As"));
    }

    void faceIndexSetsValueSuitAndName_data()
    {
        QTest::addColumn<int>("face");
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("suit");
        QTest::addColumn<QString>("name");
        QTest::newRow("Herz As") << 27 << 1 << 2 << QStringLiteral("Herz As");
        QTest::newRow("Kreuz König") << 13 << 13 << 0 << QStringLiteral("Kreuz König");
        QTest::newRow("Karo As") << 14 << 1 << 1 << QStringLiteral("Karo As");
        QTest::newRow("Karo Fünf") << 18 << 5 << 1 << QStringLiteral("Karo Fünf");
        QTest::newRow("Herz Dame") << 38 << 12 << 2 << QStringLiteral("Herz Dame");
        QTest::newRow("Pik Bube") << 50 << 11 << 3 << QStringLiteral("Pik Bube");
        QTest::newRow("Pik König") << 52 << 13 << 3 << QStringLiteral("Pik König");
    }
    void faceIndexSetsValueSuitAndName()
    {
        QFETCH(int, face);
        card->SetFaceIndex(face);
        QTEST(card->Value(), "value");
        QTEST(card->Suit(), "suit");
        QTEST(card->CardName(), "name");
        QCOMPARE(card->CardNameUtf8(), card->CardName().toStdString());
        QCOMPARE(card->PictureName(), QStringLiteral("F%1").arg(face));
    }

    void jokers()
    {
        // Black joker from Pik: the suit falls back to Kreuz.
        card->SetFaceIndex(40);
        card->SetFaceIndex(0);
        QCOMPARE(card->Value(), 0);
        QCOMPARE(card->Suit(), 0);
        QCOMPARE(card->CardName(), QStringLiteral("Kreuz F"));
        // Red joker from Herz: the suit becomes Karo.
        card->SetFaceIndex(27);
        card->SetFaceIndex(53);
        QCOMPARE(card->Value(), 0);
        QCOMPARE(card->Suit(), 1);
        QCOMPARE(card->CardName(), QStringLiteral("Karo F"));
        QCOMPARE(card->PictureName(), QStringLiteral("F53"));
    }

    void valueZeroPicksTheJokerOfTheSuitColour()
    {
        card->SetSuit(3);
        card->SetValue(0);
        QCOMPARE(card->FaceIndex(), 0);
        card->SetSuit(2);
        QCOMPARE(card->FaceIndex(), 53);
        card->SetValue(7);
        QCOMPARE(card->FaceIndex(), 2 * 13 + 7);
        card->SetSuit(1);
        QCOMPARE(card->FaceIndex(), 13 + 7);
    }

    void outOfRangeRaisesAndKeepsTheOldValue_data()
    {
        QTest::addColumn<QString>("property");
        QTest::addColumn<int>("bad");
        QTest::addColumn<QString>("message");
        QTest::newRow("face 54") << "face" << 54 << "Face index out of range";
        QTest::newRow("face -1") << "face" << -1 << "Face index out of range";
        QTest::newRow("value 14") << "value" << 14 << "Value out of range";
        QTest::newRow("value -1") << "value" << -1 << "Value out of range";
        QTest::newRow("suit 4") << "suit" << 4 << "Suit out of range";
        QTest::newRow("tool 1") << "tool" << 1 << "Tool index out of range";
        QTest::newRow("back 2") << "back" << 2 << "Back index out of range";
        QTest::newRow("back -1") << "back" << -1 << "Back index out of range";
    }
    void outOfRangeRaisesAndKeepsTheOldValue()
    {
        QFETCH(QString, property);
        QFETCH(int, bad);
        QFETCH(QString, message);
        card->SetFaceIndex(31); // Herz Fünf
        const std::function<void(int)> set = property == "face" ? std::function<void(int)>([&](int v) { card->SetFaceIndex(v); })
            : property == "value"                               ? [&](int v) { card->SetValue(v); }
            : property == "suit"                                ? [&](int v) { card->SetSuit(v); }
            : property == "tool"                                ? [&](int v) { card->SetToolIndex(v); }
                                                                : std::function<void(int)>([&](int v) { card->SetBackIndex(v); });
        QString caught;
        try {
            set(bad);
        } catch (const EPlayingCard &error) {
            caught = QString::fromUtf8(error.what());
        }
        QCOMPARE(caught, message);
        QCOMPARE(card->FaceIndex(), 31);
        QCOMPARE(card->Value(), 5);
        QCOMPARE(card->Suit(), 2);
        QCOMPARE(card->ToolIndex(), 0);
        QCOMPARE(card->BackIndex(), 1);
    }

    void wertPerGame_data()
    {
        QTest::addColumn<int>("face");
        QTest::addColumn<int>("rommee");
        QTest::addColumn<int>("skat");
        QTest::newRow("Dame") << 12 << 10 << 3;
        QTest::newRow("As") << 14 << 11 << 11;
        QTest::newRow("Sieben") << 33 << 7 << 0;
        QTest::newRow("Zehn") << 49 << 10 << 10;
        QTest::newRow("Bube") << 11 << 10 << 2;
        QTest::newRow("König") << 26 << 10 << 4;
        QTest::newRow("Joker") << 53 << 0 << 0;
    }
    void wertPerGame()
    {
        QFETCH(int, face);
        card->SetFaceIndex(face);
        card->SetSpielart(lumo::saRommee);
        QTEST(card->Wert(), "rommee");
        card->SetSpielart(lumo::saSkat);
        QTEST(card->Wert(), "skat");
        card->SetSpielart(lumo::saMauMau);
        QCOMPARE(card->Wert(), 0);
        card->SetSpielart(lumo::saDoppelkopf);
        QCOMPARE(card->Wert(), 0);
        // Writing Wert stores a field that reading never returns.
        card->SetSpielart(lumo::saSkat);
        card->SetWert(99);
        QVERIFY(card->Wert() != 99);
    }

    void stapelOnlyStores()
    {
        card->SetStapel(-1);
        QCOMPARE(card->Stapel(), -1);
        QCOMPARE(card->FaceIndex(), 1);
    }

    void settersRepaintAtOnceOnlyForTheShownSide()
    {
        table->show();
        QVERIFY(QTest::qWaitForWindowExposed(table.get()));
        PaintCounter counter;
        card->installEventFilter(&counter);

        card->SetSite(lumo::soBack);
        card->SetBackIndex(0);
        QCOMPARE(card->PictureName(), QStringLiteral("B0"));
        counter.paints = 0;

        card->SetFaceIndex(5); // the back shows: no paint
        card->SetValue(9);
        card->SetSuit(3);
        QCOMPARE(counter.paints, 0);
        QCOMPARE(card->FaceIndex(), 3 * 13 + 9);

        card->SetBackIndex(1); // the back shows: painted at once, no event loop needed
        QCOMPARE(counter.paints, 1);
        card->SetSite(lumo::soFace);
        QCOMPARE(counter.paints, 2);
        card->SetFaceIndex(6);
        QCOMPARE(counter.paints, 3);
        card->SetFaceIndex(6); // equal: nothing happens
        card->SetSite(lumo::soFace);
        card->SetBackIndex(0); // the face shows: no paint
        QCOMPARE(counter.paints, 3);
        card->SetSelected(true);
        QCOMPARE(counter.paints, 4);
    }

    void noPaintWhileTheTableIsHidden()
    {
        PaintCounter counter;
        card->installEventFilter(&counter);
        card->SetFaceIndex(20);
        card->SetSite(lumo::soBack);
        QCOMPARE(counter.paints, 0);
    }

    void cornersShowTheTableAndTheCentreShowsTheCard()
    {
        card->SetFaceIndex(27);
        table->show();
        QVERIFY(QTest::qWaitForWindowExposed(table.get()));
        const QImage image = Grab(*table, *card);
        QCOMPARE(image.size(), QSize(71, 96));
        const int r = 70;
        const int b = 95;
        const QPoint cut[] = {{0, 0}, {1, 0}, {0, 1}, {r, 0}, {r - 1, 0}, {r, 1},
                              {0, b}, {1, b}, {0, b - 1}, {r, b}, {r - 1, b}, {r, b - 1}};
        for (const QPoint &p : cut)
            QCOMPARE(image.pixelColor(p), Green);
        // Inside: the card's paper, nowhere near green.
        const QColor centre = image.pixelColor(35, 20);
        QVERIFY2(centre.green() > 200 && centre.red() > 200, qPrintable(centre.name()));
    }

    void cornersShowTheCardBeneath()
    {
        auto *below = new TPlayingCards(table.get());
        below->move(card->pos() + QPoint(2, 2));
        below->SetSite(lumo::soBack);
        below->SetBackIndex(1);
        card->raise();
        table->show();
        QVERIFY(QTest::qWaitForWindowExposed(table.get()));
        const QImage image = Grab(*table, *card);
        // Bottom right corner of the top card lies over the blue back beneath.
        const QColor corner = image.pixelColor(70, 95);
        QVERIFY2(corner != Green, qPrintable(corner.name()));
        QCOMPARE(image.pixelColor(0, 0), Green);
    }

    void selectedDrawsInverted()
    {
        card->SetFaceIndex(27);
        table->show();
        QVERIFY(QTest::qWaitForWindowExposed(table.get()));
        const QImage normal = Grab(*table, *card);
        card->SetSelected(true);
        const QImage inverted = Grab(*table, *card);
        for (const QPoint &p : {QPoint(35, 48), QPoint(35, 20), QPoint(5, 8)}) {
            const QColor a = normal.pixelColor(p);
            const QColor b = inverted.pixelColor(p);
            QCOMPARE(b.red(), 255 - a.red());
            QCOMPARE(b.green(), 255 - a.green());
            QCOMPARE(b.blue(), 255 - a.blue());
        }
        // The cut corners stay transparent, not inverted.
        QCOMPARE(inverted.pixelColor(0, 0), Green);
    }

    void hoverFiresOnlyWhileEnabled()
    {
        int entered = 0;
        int left = 0;
        card->OnMouseEnter = [&](TPlayingCards *sender) {
            QCOMPARE(sender, card);
            ++entered;
        };
        card->OnMouseLeave = [&](TPlayingCards *) { ++left; };
        QEnterEvent enter(QPointF(5, 5), QPointF(25, 35), QPointF(25, 35));
        QEvent leave(QEvent::Leave);

        card->setEnabled(false);
        QCoreApplication::sendEvent(card, &enter);
        QCoreApplication::sendEvent(card, &leave);
        QCOMPARE(entered, 0);
        QCOMPARE(left, 0);

        card->setEnabled(true);
        QCoreApplication::sendEvent(card, &enter);
        QCoreApplication::sendEvent(card, &enter); // already inside: once only
        QCOMPARE(entered, 1);
        QCoreApplication::sendEvent(card, &leave);
        QCoreApplication::sendEvent(card, &leave);
        QCOMPARE(left, 1);
    }

    void mouseGoesToTheAttachedHandlersInCardCoordinates()
    {
        table->show();
        QVERIFY(QTest::qWaitForWindowExposed(table.get()));
        QList<QString> calls;
        card->OnMouseDown = [&](TPlayingCards *, Qt::MouseButton button, Qt::MouseButtons, Qt::KeyboardModifiers, QPoint pos) {
            calls << QStringLiteral("down %1 %2,%3").arg(int(button)).arg(pos.x()).arg(pos.y());
        };
        card->OnMouseMove = [&](TPlayingCards *, Qt::MouseButtons held, Qt::KeyboardModifiers, QPoint pos) {
            calls << QStringLiteral("move %1 %2,%3").arg(int(held)).arg(pos.x()).arg(pos.y());
        };
        card->OnMouseUp = [&](TPlayingCards *, Qt::MouseButton button, Qt::MouseButtons, Qt::KeyboardModifiers, QPoint pos) {
            calls << QStringLiteral("up %1 %2,%3").arg(int(button)).arg(pos.x()).arg(pos.y());
        };
        QTest::mousePress(card, Qt::LeftButton, {}, QPoint(5, 6));
        QMouseEvent move(QEvent::MouseMove, QPointF(8, 9), card->mapToGlobal(QPointF(8, 9)),
                         Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(card, &move);
        QTest::mouseRelease(card, Qt::LeftButton, {}, QPoint(8, 9));
        const QList<QString> expected{QStringLiteral("down 1 5,6"), QStringLiteral("move 1 8,9"),
                                      QStringLiteral("up 1 8,9")};
        QCOMPARE(calls, expected);
        QCOMPARE(table->presses, 0);

        // A detached handler is simply not called, and the press stays on the card.
        card->OnMouseDown = nullptr;
        QTest::mouseClick(card, Qt::LeftButton, {}, QPoint(5, 6));
        QCOMPARE(table->presses, 0);
        QCOMPARE(calls.size(), 4);
        QCOMPARE(calls.last(), QStringLiteral("up 1 5,6"));
    }

    void hintIsStoredOnTheCard()
    {
        card->SetHint(QStringLiteral("Herz Dame"));
        QCOMPARE(card->Hint(), QStringLiteral("Herz Dame"));
        card->SetShowHint(true);
        QVERIFY(card->ShowHint());
    }
};

QTEST_MAIN(PlayingCardsTest)
#include "PlayingCardsTest.moc"
