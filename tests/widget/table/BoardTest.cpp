// The table's status label against the pictures and cards around it.

#include "engine/BoardGeometry.h"
#include "engine/BoardModel.h"
#include "table/Board.h"
#include "table/TPlayingCards.h"
#include "table/TableImage.h"

#include <QLabel>
#include <QTest>

using namespace lumo;

namespace {

BoardModel StuckBoard(bool karoAsFiled)
{
    BoardModel model;
    for (int f = 1; f <= kFoundationCount; ++f)
        model.FoundationImage(f).visible = true;
    for (int p = 1; p <= kPileCount; ++p)
        model.PileFrame(p).visible = true;
    model.reshuffleGo.visible = true;
    model.status.left = kStatusLabelLeft;
    model.status.top = kStatusLabelTop;
    model.status.text = "Kein Zug mehr m\xC3\xB6glich.\r\nBitte neu mischen!";
    model.status.color = kStatusDarkRed;
    if (karoAsFiled) {
        CardView &as = model.Card(14);
        as.left = FoundationLeft(1) + kCardInsetX;
        as.top = kFoundationTop + kCardInsetY;
        as.visible = true;
        model.BringCardToFront(14);
    }
    return model;
}

// Within the given distance of the label's dark red.
bool NearDarkRed(QColor c, int distance)
{
    return std::abs(c.red() - 128) + c.green() + c.blue() < distance;
}

} // namespace

class BoardTest : public QObject {
    Q_OBJECT

private slots:
    // The stuck notice reaches under the first foundation's picture; every
    // letter must still be seen whole, with or without a card filed there.
    void stuckNoticeIsReadableWhole_data()
    {
        QTest::addColumn<bool>("karoAsFiled");
        QTest::newRow("empty foundation") << false;
        QTest::newRow("Karo As filed") << true;
    }

    void stuckNoticeIsReadableWhole()
    {
        QFETCH(bool, karoAsFiled);
        Board board;
        board.Render(StuckBoard(karoAsFiled));
        QLabel *label = board.lb_mischen;
        const QRect text = label->geometry();
        QVERIFY2(text.right() >= board.Foundation(1)->x(), "the notice does not reach the foundation at all");

        const QImage shown = board.grab().toImage();
        // The same notice with nothing near it: only the table's gradient.
        for (QWidget *w : board.findChildren<QWidget *>())
            if (w != label && w->geometry().intersects(text))
                w->hide();
        const QImage alone = board.grab().toImage();
        const qreal dpr = shown.devicePixelRatio();

        int ink = 0;
        int lost = 0;
        for (int y = text.top(); y <= text.bottom(); ++y)
            for (int x = text.left(); x <= text.right(); ++x) {
                const QPoint at(int(x * dpr), int(y * dpr));
                // The letters' solid pixels; their blended edges depend on
                // what lies below.
                if (!NearDarkRed(alone.pixelColor(at), 20))
                    continue;
                ++ink;
                if (!NearDarkRed(shown.pixelColor(at), 60))
                    ++lost;
            }
        QVERIFY2(ink > 100, qPrintable(QString("only %1 text pixels").arg(ink)));
        QVERIFY2(lost == 0, qPrintable(QString("%1 of %2 text pixels covered").arg(lost).arg(ink)));
    }
};

QTEST_MAIN(BoardTest)
#include "BoardTest.moc"
