// Painting and input of the look-and-feel widgets.

#include "lookfeel/FlatTextButton.h"
#include "lookfeel/GlassButton.h"
#include "lookfeel/GradientButton.h"
#include "lookfeel/GradientPanel.h"
#include "lookfeel/ImageButton.h"
#include "lookfeel/LookColors.h"
#include "lookfeel/TableArt.h"

#include <QSignalSpy>
#include <QTest>

using namespace lumo;

namespace {

QImage Snapshot(QWidget &widget)
{
    return widget.grab().toImage().convertToFormat(QImage::Format_ARGB32);
}

bool Near(QColor a, QColor b, int tolerance = 6)
{
    return std::abs(a.red() - b.red()) <= tolerance && std::abs(a.green() - b.green()) <= tolerance
        && std::abs(a.blue() - b.blue()) <= tolerance;
}

QString Describe(QColor c)
{
    return QString("rgb(%1,%2,%3)").arg(c.red()).arg(c.green()).arg(c.blue());
}

} // namespace

class LookWidgetsTest : public QObject {
    Q_OBJECT

private slots:
    void gradientPanelPaintsItsColoursAtTheEnds_data()
    {
        QTest::addColumn<int>("direction");
        QTest::newRow("vertical") << static_cast<int>(GradientPanel::Direction::Vertical);
        QTest::newRow("horizontal") << static_cast<int>(GradientPanel::Direction::Horizontal);
    }

    void gradientPanelPaintsItsColoursAtTheEnds()
    {
        QFETCH(int, direction);
        const auto dir = static_cast<GradientPanel::Direction>(direction);
        GradientPanel panel(LookColors::FrameBlue(), LookColors::TableGreen(), dir);
        panel.resize(200, 120);
        const QImage image = Snapshot(panel);
        const bool vertical = dir == GradientPanel::Direction::Vertical;
        const QColor first = vertical ? image.pixelColor(100, 0) : image.pixelColor(0, 60);
        const QColor last = vertical ? image.pixelColor(100, 119) : image.pixelColor(199, 60);
        const QColor across = vertical ? image.pixelColor(199, 0) : image.pixelColor(0, 119);
        QVERIFY2(Near(first, LookColors::FrameBlue()), qPrintable(Describe(first)));
        QVERIFY2(Near(last, LookColors::TableGreen()), qPrintable(Describe(last)));
        // Across the gradient the colour does not change.
        QVERIFY2(Near(across, first, 1), qPrintable(Describe(across)));
    }

    void endColourChangeRepaintsTheBottom()
    {
        GradientPanel panel(LookColors::FrameBlue(), LookColors::TableGreen(),
                            GradientPanel::Direction::Vertical);
        panel.resize(100, 100);
        panel.SetEndColor(QColor(0, 248, 124));
        QCOMPARE(panel.EndColor(), QColor(0, 248, 124));
        const QImage image = Snapshot(panel);
        QVERIFY(Near(image.pixelColor(50, 99), QColor(0, 248, 124)));
        QVERIFY(Near(image.pixelColor(50, 0), LookColors::FrameBlue()));
    }

    void bevelAndBorderFrameThePanel()
    {
        GradientPanel panel;
        panel.resize(60, 40);
        panel.SetColor(LookColors::FrameBlue());
        panel.SetBorder(LookColors::DarkBlue(), 2);
        panel.SetRaisedBevel(1);
        QCOMPARE(panel.ContentRect(), QRect(3, 3, 54, 34));
        const QImage image = Snapshot(panel);
        QCOMPARE(image.pixelColor(0, 20), LookColors::DarkBlue());
        QCOMPARE(image.pixelColor(1, 20), LookColors::DarkBlue());
        const QColor light = image.pixelColor(2, 20);
        const QColor dark = image.pixelColor(57, 20);
        const QColor inside = image.pixelColor(30, 20);
        QVERIFY(Near(inside, LookColors::FrameBlue(), 1));
        QVERIFY2(light.lightness() > inside.lightness(), qPrintable(Describe(light)));
        QVERIFY2(dark.lightness() < inside.lightness(), qPrintable(Describe(dark)));
    }

    void glassButtonRepaintsWhenItsShineChanges()
    {
        GlassButton button(QStringLiteral("&Ja"));
        button.resize(80, 25);
        QCOMPARE(button.ShineColor(), QColor(Qt::white));
        QCOMPARE(button.FaceColor(), LookColors::FrameBlue());
        QCOMPARE(button.focusPolicy(), Qt::NoFocus);
        QCOMPARE(button.cursor().shape(), Qt::PointingHandCursor);
        const QImage white = Snapshot(button);
        button.SetShineColor(LookColors::HoverLime());
        QCOMPARE(button.ShineColor(), LookColors::HoverLime());
        const QImage lime = Snapshot(button);
        QVERIFY(white != lime);
        // The gloss at the top now leans to green.
        const QColor top = lime.pixelColor(40, 4);
        QVERIFY2(top.green() > top.red() + 40, qPrintable(Describe(top)));
    }

    void glassButtonSchedulesARepaintOnShineChange()
    {
        QWidget window;
        auto *button = new GlassButton(QStringLiteral("&Nein"), &window);
        button->setGeometry(10, 10, 80, 25);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        int paints = 0;
        struct Counter : QObject {
            int *paints;
            bool eventFilter(QObject *, QEvent *e) override
            {
                if (e->type() == QEvent::Paint)
                    ++*paints;
                return false;
            }
        } counter;
        counter.paints = &paints;
        button->installEventFilter(&counter);
        QTest::qWait(20);
        paints = 0;
        button->SetShineColor(LookColors::HoverLime());
        QTRY_VERIFY(paints > 0);
        paints = 0;
        button->SetShineColor(LookColors::HoverLime()); // unchanged: nothing to draw
        QTest::qWait(30);
        QCOMPARE(paints, 0);
    }

    void buttonsClickOnReleaseInsideOnly_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("glass") << "glass";
        QTest::newRow("flat") << "flat";
        QTest::newRow("gradient") << "gradient";
        QTest::newRow("image") << "image";
    }

    void buttonsClickOnReleaseInsideOnly()
    {
        QFETCH(QString, kind);
        QWidget window;
        window.resize(200, 100);
        QAbstractButton *button = nullptr;
        if (kind == "glass")
            button = new GlassButton(QStringLiteral("&Schließen"), &window);
        else if (kind == "flat")
            button = new FlatTextButton(QStringLiteral("&Neues Spiel"), &window);
        else if (kind == "gradient")
            button = new GradientButton(QStringLiteral("ok"), &window);
        else
            button = new ImageButton(QString::fromLatin1(TableArt::TitleClose), &window);
        button->setGeometry(10, 10, 80, 25);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QSignalSpy clicks(button, &QAbstractButton::clicked);

        QTest::mousePress(button, Qt::LeftButton, {}, QPoint(20, 12));
        QVERIFY(button->isDown());
        QCOMPARE(clicks.count(), 0);
        QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(20, 12));
        QCOMPARE(clicks.count(), 1);

        // Pressed inside, released outside: no click.
        QTest::mousePress(button, Qt::LeftButton, {}, QPoint(20, 12));
        QTest::mouseMove(button, QPoint(150, 70));
        QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(150, 70));
        QCOMPARE(clicks.count(), 1);
    }

    void glassButtonLooksPressedWhileDown()
    {
        GlassButton button(QStringLiteral("&Ja"));
        button.resize(80, 25);
        const QImage up = Snapshot(button);
        button.setDown(true);
        const QImage down = Snapshot(button);
        QVERIFY(up != down);
        QVERIFY(down.pixelColor(40, 18).lightness() < up.pixelColor(40, 18).lightness());
    }

    void mnemonicPressesTheButton()
    {
        QWidget window;
        auto *button = new GlassButton(QStringLiteral("&Ja"), &window);
        button->setGeometry(10, 10, 80, 25);
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QSignalSpy clicks(button, &QAbstractButton::clicked);
        QTest::keyClick(&window, Qt::Key_J, Qt::AltModifier);
        // A shortcut animates the click: it arrives a moment later.
        QTRY_COMPARE(clicks.count(), 1);
    }

    void imageButtonShowsItsPictureAndLightsUnderThePointer()
    {
        QWidget window;
        auto *button = new ImageButton(QString::fromLatin1(TableArt::TitleHelp), &window);
        // Away from the corner, where the offscreen pointer rests.
        button->setGeometry(20, 10, 25, 25);
        window.resize(60, 40);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QImage normal = Snapshot(*button);
        // The title buttons are blue glass.
        const QColor middle = normal.pixelColor(3, 16);
        QVERIFY2(middle.blue() > middle.red() + 40, qPrintable(Describe(middle)));
        // The pointer itself moves onto the button, so the look follows the
        // application's own idea of what is under the mouse.
        QTest::mouseMove(button, QPoint(5, 5));
        QTRY_VERIFY(button->underMouse());
        const QImage hover = Snapshot(*button);
        QVERIFY(hover != normal);
        QVERIFY(hover.pixelColor(3, 16).lightness() > middle.lightness());
    }
};

QTEST_MAIN(LookWidgetsTest)
#include "LookWidgetsTest.moc"
