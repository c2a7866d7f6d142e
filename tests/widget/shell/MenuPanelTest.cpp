// The green level digit in the menu covers the digit of its level's caption.

#include "shell/MenuPanel.h"

#include <QAbstractButton>
#include <QLabel>
#include <QTest>

using namespace lumo;

namespace {

bool White(QColor c)
{
    return c.red() > 200 && c.green() > 200 && c.blue() > 200;
}

} // namespace

class MenuPanelTest : public QObject {
    Q_OBJECT

private slots:
    void levelDigitCoversTheCaptionsDigit_data()
    {
        QTest::addColumn<int>("level");
        QTest::newRow("1") << 1;
        QTest::newRow("2") << 2;
        QTest::newRow("3") << 3;
    }

    void levelDigitCoversTheCaptionsDigit()
    {
        QFETCH(int, level);
        MenuPanel panel;
        panel.ShowLevel(level);
        QLabel *mark = panel.lb_stufe;
        QCOMPARE(mark->text(), QString::number(level));
        QAbstractButton *button = panel.LevelButton(level);
        QVERIFY(button->geometry().contains(mark->geometry().center()));

        const QImage marked = panel.grab().toImage();
        mark->hide();
        const QImage plain = panel.grab().toImage();
        const qreal dpr = marked.devicePixelRatio();

        // The caption's white ink around the mark: every pixel of it must be
        // under the green digit.
        const QRect around = mark->geometry().adjusted(-4, -2, 4, 2) & button->geometry();
        int ink = 0;
        int showing = 0;
        for (int y = around.top(); y <= around.bottom(); ++y)
            for (int x = around.left(); x <= around.right(); ++x) {
                const QPoint at(int(x * dpr), int(y * dpr));
                if (!White(plain.pixelColor(at)))
                    continue;
                ++ink;
                if (White(marked.pixelColor(at)))
                    ++showing;
            }
        QVERIFY2(ink > 10, qPrintable(QString("no caption digit near the mark (%1 pixels)").arg(ink)));
        QVERIFY2(showing == 0, qPrintable(QString("%1 of %2 white pixels of the caption's digit show beside the mark")
                                              .arg(showing).arg(ink)));
    }
};

QTEST_MAIN(MenuPanelTest)
#include "MenuPanelTest.moc"
