#include "table/CardArt.h"

#include <QImage>
#include <QtTest>

using lumo::CardArt;

class CardArtTest : public QObject {
    Q_OBJECT
private slots:
    void namesAndSlots()
    {
        const QStringList names = CardArt::CardNames();
        QCOMPARE(names.size(), 57);
        QCOMPARE(names.first(), QStringLiteral("F0"));
        QCOMPARE(names.at(53), QStringLiteral("F53"));
        QCOMPARE(names.mid(54), (QStringList{"B0", "B1", "T0"}));
        for (int slot = 0; slot < CardArt::SlotCount; ++slot)
            QCOMPARE(CardArt::SlotOf(CardArt::NameOf(slot)), slot);
        for (const char *bad : {"F54", "F-1", "F07", "B2", "T1", "X1", "F", "", "mask"})
            QCOMPARE(CardArt::SlotOf(QString::fromLatin1(bad)), -1);
        QVERIFY(CardArt::Picture(QStringLiteral("F54")).isNull());
    }

    void everyPictureRendersAtTheRequestedPixelRatio_data()
    {
        QTest::addColumn<qreal>("dpr");
        QTest::newRow("1x") << 1.0;
        QTest::newRow("2x") << 2.0;
    }
    void everyPictureRendersAtTheRequestedPixelRatio()
    {
        QFETCH(qreal, dpr);
        const int d = qRound(dpr);
        for (const QString &name : CardArt::CardNames()) {
            const QPixmap pixmap = CardArt::Picture(name, QSize(71, 96), dpr);
            QVERIFY2(!pixmap.isNull(), qPrintable(name));
            QCOMPARE(pixmap.size(), QSize(71 * d, 96 * d));
            QCOMPARE(pixmap.devicePixelRatio(), dpr);
            const QImage img = pixmap.toImage();
            // The three mask pixels of each corner are transparent, device pixel for
            // device pixel.
            for (const QPoint &corner : {QPoint(0, 0), QPoint(70, 0), QPoint(0, 95), QPoint(70, 95)}) {
                const int sx = corner.x() == 0 ? 1 : -1;
                const int sy = corner.y() == 0 ? 1 : -1;
                for (const QPoint &step : {QPoint(0, 0), QPoint(1, 0), QPoint(0, 1)}) {
                    const QPoint logical(corner.x() + sx * step.x(), corner.y() + sy * step.y());
                    for (int dy = 0; dy < d; ++dy)
                        for (int dx = 0; dx < d; ++dx)
                            QVERIFY2(qAlpha(img.pixel(logical.x() * d + dx, logical.y() * d + dy)) == 0,
                                     qPrintable(name));
                }
            }
            // The middle of every card is solid.
            QCOMPARE(qAlpha(img.pixel(35 * d, 48 * d)), 255);
        }
    }

    void facesDiffer()
    {
        // A wrong element lookup would give the same picture twice.
        const QImage a = CardArt::Picture(QStringLiteral("F1")).toImage();
        const QImage b = CardArt::Picture(QStringLiteral("F14")).toImage();
        const QImage c = CardArt::Picture(QStringLiteral("F2")).toImage();
        QVERIFY(a != b);
        QVERIFY(a != c);
        QVERIFY(CardArt::Picture(QStringLiteral("B0")).toImage() != CardArt::Picture(QStringLiteral("B1")).toImage());
    }

    void maskIsWhiteWithThreeBlackPixelsPerCorner()
    {
        const QImage mask = CardArt::Picture(QStringLiteral("MASK")).toImage();
        QCOMPARE(mask.size(), QSize(71, 96));
        int black = 0;
        for (int y = 0; y < mask.height(); ++y)
            for (int x = 0; x < mask.width(); ++x) {
                const int gray = qGray(mask.pixel(x, y));
                QVERIFY(gray == 0 || gray == 255);
                black += gray == 0;
            }
        QCOMPARE(black, 12);
        QCOMPARE(qGray(mask.pixel(0, 0)), 0);
        QCOMPARE(qGray(mask.pixel(1, 0)), 0);
        QCOMPARE(qGray(mask.pixel(0, 1)), 0);
        QCOMPARE(qGray(mask.pixel(2, 0)), 255);
        QCOMPARE(qGray(mask.pixel(1, 1)), 255);
    }

    void renderedOncePerNameSizeAndRatio()
    {
        CardArt::ClearCache();
        const QPixmap first = CardArt::Picture(QStringLiteral("F5"), QSize(71, 96), 1.0);
        QCOMPARE(CardArt::CachedCount(), 1);
        QCOMPARE(CardArt::Picture(QStringLiteral("F5"), QSize(71, 96), 1.0).cacheKey(), first.cacheKey());
        QVERIFY(CardArt::Picture(QStringLiteral("F5"), QSize(71, 96), 2.0).cacheKey() != first.cacheKey());
        QVERIFY(CardArt::Picture(QStringLiteral("F5"), QSize(71, 96), 1.0, true).cacheKey() != first.cacheKey());
        QCOMPARE(CardArt::CachedCount(), 3);
    }
};

QTEST_MAIN(CardArtTest)
#include "CardArtTest.moc"
