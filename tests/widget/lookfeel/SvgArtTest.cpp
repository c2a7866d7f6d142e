// Rendering and caching of the SVG art.

#include "lookfeel/SvgArt.h"
#include "lookfeel/TableArt.h"

#include <QTest>

using namespace lumo;

namespace {

int PaintedPixels(const QImage &image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) > 0)
                ++count;
    return count;
}

} // namespace

class SvgArtTest : public QObject {
    Q_OBJECT

private slots:
    void init() { SvgArt::ClearCache(); }

    void rendersLogicalSizeTimesRatio_data()
    {
        QTest::addColumn<qreal>("dpr");
        QTest::addColumn<QSize>("device");
        QTest::newRow("1x") << 1.0 << QSize(86, 110);
        QTest::newRow("1.5x") << 1.5 << QSize(129, 165);
        QTest::newRow("2x") << 2.0 << QSize(172, 220);
    }

    void rendersLogicalSizeTimesRatio()
    {
        QFETCH(qreal, dpr);
        QFETCH(QSize, device);
        const QPixmap pixmap = SvgArt::Render(TableArt::PileFrame, TableArt::FrameSize, dpr);
        QCOMPARE(pixmap.size(), device);
        QCOMPARE(pixmap.devicePixelRatio(), dpr);
        QCOMPARE(pixmap.deviceIndependentSize().toSize(), TableArt::FrameSize);
    }

    void secondCallReturnsTheCachedPixmap()
    {
        const QPixmap first = SvgArt::Render(TableArt::FoundationHerz, TableArt::FrameSize, 2.0);
        const QPixmap again = SvgArt::Render(TableArt::FoundationHerz, TableArt::FrameSize, 2.0);
        QCOMPARE(again.cacheKey(), first.cacheKey());
        QCOMPARE(SvgArt::CachedCount(), 1);
        // Another ratio or size is another picture.
        const QPixmap other = SvgArt::Render(TableArt::FoundationHerz, TableArt::FrameSize, 1.0);
        QVERIFY(other.cacheKey() != first.cacheKey());
        QCOMPARE(SvgArt::CachedCount(), 2);
    }

    void elementIdDrawsOnlyThatElement()
    {
        const QString path = QFINDTESTDATA("two_boxes.svg");
        QVERIFY(!path.isEmpty());
        const QImage whole = SvgArt::Render(path, QSize(40, 20), 1.0).toImage();
        const QImage left = SvgArt::Render(path, QSize(20, 20), 1.0, QStringLiteral("left")).toImage();
        QCOMPARE(qRed(whole.pixel(5, 10)), 255);
        QCOMPARE(qBlue(whole.pixel(35, 10)), 255);
        // The element fills the whole target, and only it is drawn.
        QCOMPARE(qRed(left.pixel(10, 10)), 255);
        QCOMPARE(qBlue(left.pixel(10, 10)), 0);
    }

    void missingArtGivesATransparentPictureOfTheSize()
    {
        const QPixmap missing = SvgArt::Render(QStringLiteral(":/table/no_such.svg"), QSize(30, 20), 2.0);
        QCOMPARE(missing.size(), QSize(60, 40));
        QCOMPARE(PaintedPixels(missing.toImage()), 0);
        const QPixmap noElement =
            SvgArt::Render(TableArt::PileFrame, TableArt::FrameSize, 1.0, QStringLiteral("nothing"));
        QCOMPARE(PaintedPixels(noElement.toImage()), 0);
    }

    void everyTablePictureHasPaint_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QSize>("size");
        QTest::newRow("frame") << TableArt::PileFrame << TableArt::FrameSize;
        QTest::newRow("frame lit") << TableArt::PileFrameHighlighted << TableArt::FrameSize;
        for (int f = 1; f <= 4; ++f)
            QTest::addRow("foundation %d", f) << TableArt::FoundationPicture(f) << TableArt::FrameSize;
        QTest::newRow("go") << TableArt::ReshuffleGo << TableArt::ReshuffleGoSize;
        QTest::newRow("stop") << TableArt::ReshuffleStop << TableArt::ReshuffleStopSize;
        QTest::newRow("help") << TableArt::TitleHelp << TableArt::TitleButtonSize;
        QTest::newRow("update") << TableArt::TitleUpdate << TableArt::TitleButtonSize;
        QTest::newRow("minimize") << TableArt::TitleMinimize << TableArt::TitleButtonSize;
        QTest::newRow("close") << TableArt::TitleClose << TableArt::TitleButtonSize;
    }

    void everyTablePictureHasPaint()
    {
        QFETCH(QString, path);
        QFETCH(QSize, size);
        const QImage image = SvgArt::Render(path, size, 1.0).toImage();
        QVERIFY2(PaintedPixels(image) > size.width() * size.height() / 10, qPrintable(path));
    }

    void foundationsCarryTheirSuitColour_data()
    {
        QTest::addColumn<int>("foundation");
        QTest::addColumn<bool>("red");
        QTest::newRow("Karo") << 1 << true;
        QTest::newRow("Herz") << 2 << true;
        QTest::newRow("Pik") << 3 << false;
        QTest::newRow("Kreuz") << 4 << false;
    }

    void foundationsCarryTheirSuitColour()
    {
        QFETCH(int, foundation);
        QFETCH(bool, red);
        const QImage image = SvgArt::Render(TableArt::FoundationPicture(foundation), TableArt::FrameSize, 1.0).toImage();
        const QColor centre = image.pixelColor(43, 58);
        QVERIFY(centre.alpha() > 150);
        if (red)
            QVERIFY2(centre.red() > 150 && centre.green() < 90, qPrintable(centre.name()));
        else
            QVERIFY2(centre.red() < 90 && centre.green() < 90 && centre.blue() < 90, qPrintable(centre.name()));
        QCOMPARE(TableArt::FoundationPicture(0), nullptr);
        QCOMPARE(TableArt::FoundationPicture(5), nullptr);
    }
};

QTEST_MAIN(SvgArtTest)
#include "SvgArtTest.moc"
