// The owner-drawn look of popup menus.

#include "lookfeel/LookColors.h"
#include "lookfeel/MenuPainter.h"

#include <QMenu>
#include <QTest>

using namespace lumo;

namespace {

// Columns holding dark navy text pixels, left and right bound.
std::pair<int, int> InkColumns(const QImage &image, QRect band)
{
    int left = image.width();
    int right = -1;
    for (int y = band.top(); y <= band.bottom(); ++y)
        for (int x = band.left(); x <= band.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.blue() > 90 && c.red() < 60 && c.green() < 60) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
        }
    return {left, right};
}

} // namespace

class MenuPainterTest : public QObject {
    Q_OBJECT

private slots:
    void itemsAreCentredOnLightBlue()
    {
        QMenu menu;
        MenuPainter::Apply(&menu);
        QAction *close = menu.addAction(QStringLiteral("ESC - Schließen"));
        menu.addAction(QStringLiteral("A much longer entry to widen the menu"));
        menu.resize(menu.sizeHint());
        const QImage image = menu.grab().toImage();
        const QRect item = menu.actionGeometry(close);
        QVERIFY(item.isValid());

        // Border dark blue, panel light blue.
        QCOMPARE(image.pixelColor(0, image.height() / 2), LookColors::DarkBlue());
        QCOMPARE(image.pixelColor(item.left() + 3, item.center().y()), LookColors::LightBlue());

        const auto [left, right] = InkColumns(image, item);
        QVERIFY2(right > left, "no caption drawn");
        const int textCentre = (left + right) / 2;
        QVERIFY2(std::abs(textCentre - item.center().x()) <= 3,
                 qPrintable(QString("caption centre %1, item centre %2").arg(textCentre).arg(item.center().x())));
    }

    void selectedItemStandsOnBlue()
    {
        QMenu menu;
        MenuPainter::Apply(&menu);
        QAction *close = menu.addAction(QStringLiteral("ESC - Schließen"));
        menu.setActiveAction(close);
        menu.resize(menu.sizeHint());
        const QImage image = menu.grab().toImage();
        const QRect item = menu.actionGeometry(close);
        const QColor band = image.pixelColor(item.left() + 6, item.center().y());
        QVERIFY2(band.blue() > 120 && band.red() < 110, qPrintable(band.name()));
        QVERIFY(band != LookColors::LightBlue());
    }
};

QTEST_MAIN(MenuPainterTest)
#include "MenuPainterTest.moc"
