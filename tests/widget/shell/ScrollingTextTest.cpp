// The credits roll on its own: placing, stepping, wrapping, headings, links
// under the pointer, and what a tick repaints.

#include "lookfeel/LookFonts.h"
#include "shell/TScrollingText.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QTest>

#include <functional>

using namespace lumo;

namespace {

const QColor kGold(154, 123, 31);

QImage BufferImage(const TScrollingText &roll)
{
    return roll.Buffer().toImage().convertToFormat(QImage::Format_ARGB32);
}

// The buffer rows of one line in the current frame, cut to the buffer.
QRect LineBand(const TScrollingText &roll, int line)
{
    const QRect band(0, line * roll.LineHeight() + roll.Offset(), roll.width(), roll.LineHeight());
    return band.intersected(roll.rect());
}

int CountPixels(const QImage &image, QRect area, const std::function<bool(QColor)> &wanted)
{
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (wanted(image.pixelColor(x, y)))
                ++n;
    return n;
}

bool IsInk(QColor c)
{
    return std::abs(c.red() - kGold.red()) + std::abs(c.green() - kGold.green())
        + std::abs(c.blue() - kGold.blue()) > 120;
}
bool IsRed(QColor c) { return c.red() > 180 && c.green() < 90 && c.blue() < 90; }
bool IsBlue(QColor c) { return c.blue() > 180 && c.red() < 90 && c.green() < 90; }

// Left and right column with ink inside the area; (-1, -1) for none.
std::pair<int, int> InkColumns(const QImage &image, QRect area)
{
    int left = -1, right = -1;
    for (int x = area.left(); x <= area.right(); ++x)
        for (int y = area.top(); y <= area.bottom(); ++y)
            if (IsInk(image.pixelColor(x, y))) {
                if (left < 0)
                    left = x;
                right = x;
                break;
            }
    return {left, right};
}

// The longest run of red pixels in any one row of the area: the underline.
int LongestRedRow(const QImage &image, QRect area)
{
    int best = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        int run = 0;
        for (int x = area.left(); x <= area.right(); ++x) {
            run = IsRed(image.pixelColor(x, y)) ? run + 1 : 0;
            best = std::max(best, run);
        }
    }
    return best;
}

void MovePointer(QWidget &w, QPoint at)
{
    QMouseEvent move(QEvent::MouseMove, QPointF(at), QPointF(w.mapToGlobal(at)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&w, &move);
}

void Press(QWidget &w, QPoint at, Qt::MouseButton button = Qt::LeftButton)
{
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(at), QPointF(w.mapToGlobal(at)), button, button,
                      Qt::NoModifier);
    QApplication::sendEvent(&w, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(at), QPointF(w.mapToGlobal(at)), button,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&w, &release);
}

// A roll of the given size with the lines, activated, its own timer stopped so
// the test steps it by hand.
struct Roll {
    TScrollingText roll;
    QStringList opened;

    Roll(const QStringList &lines, QSize size = QSize(400, 120))
    {
        roll.resize(size);
        roll.SetLines(lines);
        roll.SetUrlOpener([this](const QString &url) {
            opened << url;
            return true;
        });
        roll.show();
        roll.SetActive(true);
    }
    // Steps until line 0 stands at y (the roll moves up one pixel a step).
    void StepUntilOffset(int y)
    {
        while (roll.Offset() > y)
            roll.Scroll();
    }
    // The middle of a line in the current frame.
    QPoint LineCentre(int line) const
    {
        return QPoint(roll.width() / 2, line * roll.LineHeight() + roll.Offset() + roll.LineHeight() / 2);
    }
};

} // namespace

class ScrollingTextTest : public QObject {
    Q_OBJECT

private slots:
    void startsInactiveWithItsColours()
    {
        TScrollingText roll;
        QVERIFY(!roll.Active());
        QCOMPARE(roll.Color(), kGold);
        QCOMPARE(roll.TextColor(), QColor(0, 0, 128));
        QCOMPARE(roll.Interval(), 30);
        QCOMPARE(roll.Offset(), -1);
        QCOMPARE(roll.Step(), 1);
        QVERIFY(roll.Lines().isEmpty());
    }

    void intervalBelowOneBecomesThirty_data()
    {
        QTest::addColumn<int>("given");
        QTest::addColumn<int>("kept");
        QTest::newRow("35") << 35 << 35;
        QTest::newRow("1") << 1 << 1;
        QTest::newRow("0") << 0 << 30;
        QTest::newRow("-7") << -7 << 30;
    }

    void intervalBelowOneBecomesThirty()
    {
        QFETCH(int, given);
        QFETCH(int, kept);
        TScrollingText roll;
        roll.SetInterval(given);
        QCOMPARE(roll.Interval(), kept);
    }

    void lineHeightIsTheThirteenPixelStepOfTheSmallDialogFont()
    {
        // At 96 dpi the 8-pt dialog face is 13 px from line to line.
        TScrollingText roll;
        roll.resize(200, 100);
        roll.SetActive(true);
        QCOMPARE(roll.BufferFont().pointSize(), 8);
        QCOMPARE(roll.BufferFont().family(), LookFonts::Dialog(8, false).family());
        QCOMPARE(roll.LineHeight(), 13);
        QCOMPARE(roll.VisibleLines(), 100 / 13);
    }

    void activatingPlacesLineZeroBelowTheLowerEdgeOnce()
    {
        Roll r({QStringLiteral("eins"), QStringLiteral("zwei")}, QSize(300, 90));
        QCOMPARE(r.roll.Offset(), 90);
        QCOMPARE(r.roll.Buffer().size(), QSize(300, 90));
        // Until the first tick the buffer is white.
        QCOMPARE(BufferImage(r.roll).pixelColor(150, 45), QColor(Qt::white));
        for (int i = 0; i < 5; ++i)
            r.roll.Scroll();
        QCOMPARE(r.roll.Offset(), 85);
        // Activating again keeps the place and clears the buffer for a moment.
        r.roll.SetActive(false);
        r.roll.SetActive(true);
        QCOMPARE(r.roll.Offset(), 85);
        QCOMPARE(BufferImage(r.roll).pixelColor(150, 45), QColor(Qt::white));
        r.roll.Scroll();
        QCOMPARE(BufferImage(r.roll).pixelColor(5, 5), kGold);
    }

    void inactiveRollDoesNotMove()
    {
        Roll r({QStringLiteral("eins")});
        r.roll.SetActive(false);
        const int before = r.roll.Offset();
        r.roll.Scroll();
        QCOMPARE(r.roll.Offset(), before);
    }

    void restartsFromTheBottomOnceTheLastLineHasLeftTheTop()
    {
        Roll r({QStringLiteral("eins"), QStringLiteral("zwei"), QStringLiteral("drei")}, QSize(300, 60));
        const int h = r.roll.LineHeight();
        // One pixel of the last line is still visible at the top.
        r.StepUntilOffset(-3 * h + 1);
        QCOMPARE(r.roll.FirstLine(), 2);
        QCOMPARE(r.roll.LastLine(), 2);
        // The next step moves it out and puts the roll back below the edge.
        r.roll.Scroll();
        QCOMPARE(r.roll.Offset(), 60);
        QCOMPARE(CountPixels(BufferImage(r.roll), r.roll.rect(), IsInk), 0);
        // The first line enters again from the bottom.
        for (int i = 0; i < h; ++i)
            r.roll.Scroll();
        QCOMPARE(r.roll.Offset(), 60 - h);
        const QImage image = BufferImage(r.roll);
        QVERIFY(CountPixels(image, QRect(0, 60 - h, 300, h), IsInk) > 10);
        QCOMPARE(CountPixels(image, QRect(0, 0, 300, 60 - h), IsInk), 0);
    }

    void drawsOnlyTheLinesThatCanBeVisible()
    {
        QStringList lines;
        for (int i = 0; i < 60; ++i)
            lines << QStringLiteral("Zeile %1").arg(i);
        Roll r(lines, QSize(300, 100));
        int longest = 0;
        while (r.roll.Offset() > -40 * r.roll.LineHeight()) {
            r.roll.Scroll();
            longest = std::max(longest, r.roll.LastLine() - r.roll.FirstLine() + 1);
            QVERIFY(r.roll.FirstLine() >= 0);
            QVERIFY(r.roll.LastLine() <= 59);
        }
        QCOMPARE(longest, r.roll.VisibleLines() + 2);
    }

    void headingIsBoldCentredAndWithoutItsHash()
    {
        Roll r({QStringLiteral("#Spielbeschreibung:")}, QSize(400, 60));
        r.StepUntilOffset(20);
        const QImage image = BufferImage(r.roll);
        const auto [left, right] = InkColumns(image, LineBand(r.roll, 0));
        QVERIFY2(left >= 0, "nothing drawn");
        QFont bold = r.roll.BufferFont();
        bold.setBold(true);
        const int boldWidth = QFontMetrics(bold).horizontalAdvance(QStringLiteral("Spielbeschreibung:"));
        const int plainWidth =
            QFontMetrics(r.roll.BufferFont()).horizontalAdvance(QStringLiteral("Spielbeschreibung:"));
        const int hashedWidth = QFontMetrics(bold).horizontalAdvance(QStringLiteral("#Spielbeschreibung:"));
        const int inkWidth = right - left + 1;
        const QString seen = QStringLiteral("ink %1..%2, bold %3, plain %4, with hash %5")
                                 .arg(left).arg(right).arg(boldWidth).arg(plainWidth).arg(hashedWidth);
        QVERIFY2(plainWidth < boldWidth - 3, qPrintable(seen));
        QVERIFY2(std::abs(inkWidth - boldWidth) <= 3, qPrintable(seen));
        QVERIFY2(std::abs((left + right + 1) / 2 - 200) <= 2, qPrintable(seen));
        // Headings are in the text colour.
        QVERIFY(CountPixels(image, LineBand(r.roll, 0),
                            [](QColor c) { return c.blue() > 100 && c.red() < 40 && c.green() < 40; }) > 10);
    }

    void centresEachLineTrimmedAndRoundsTowardZero()
    {
        // Leading blanks do not push a line off the middle.
        Roll r({QStringLiteral("Mitte"), QStringLiteral("        Mitte   ")}, QSize(301, 60));
        r.StepUntilOffset(10);
        const QImage image = BufferImage(r.roll);
        const auto first = InkColumns(image, LineBand(r.roll, 0));
        const auto second = InkColumns(image, LineBand(r.roll, 1));
        QCOMPARE(second, first);
        const int advance = QFontMetrics(r.roll.BufferFont()).horizontalAdvance(QStringLiteral("Mitte"));
        QVERIFY(std::abs(first.first - (301 - advance) / 2) <= 2);
    }

    void linkUnderThePointerTurnsRedAndUnderlined()
    {
        Roll r({QStringLiteral("Titel"), QStringLiteral("http://example.org/a"),
                QStringLiteral("   http://example.org/a")},
               QSize(400, 80));
        r.StepUntilOffset(10);
        MovePointer(r.roll, r.LineCentre(1));
        QCOMPARE(r.roll.HoverLine(), 1);
        QCOMPARE(r.roll.cursor().shape(), Qt::PointingHandCursor);
        r.roll.Scroll();
        QImage image = BufferImage(r.roll);
        const int linkWidth =
            QFontMetrics(r.roll.BufferFont()).horizontalAdvance(QStringLiteral("http://example.org/a"));
        QVERIFY2(LongestRedRow(image, LineBand(r.roll, 1)) >= linkWidth - 3, "no red underline");
        QCOMPARE(CountPixels(image, LineBand(r.roll, 1), IsBlue), 0);
        // The indented copy looks like a link, in blue, but is not one.
        QVERIFY(CountPixels(image, LineBand(r.roll, 2), IsBlue) > 10);
        QCOMPARE(CountPixels(image, LineBand(r.roll, 2), IsRed), 0);

        MovePointer(r.roll, r.LineCentre(2));
        QCOMPARE(r.roll.HoverLine(), 2);
        QCOMPARE(r.roll.cursor().shape(), Qt::ArrowCursor);
        r.roll.Scroll();
        image = BufferImage(r.roll);
        // Under the pointer the copy stays blue, and the real link is blue again.
        for (int line : {1, 2}) {
            QVERIFY(CountPixels(image, LineBand(r.roll, line), IsBlue) > 10);
            QCOMPARE(CountPixels(image, LineBand(r.roll, line), IsRed), 0);
        }
        Press(r.roll, r.LineCentre(2));
        QVERIFY(r.opened.isEmpty());
    }

    void onlyStoredLinesFromTheSecondOnOpen_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<int>("line");
        QTest::addColumn<QStringList>("opened");
        const QStringList text = {QStringLiteral("http://example.org/null"), QStringLiteral("Text"),
                                  QStringLiteral("http://example.org/eins"), QStringLiteral("  http://example.org/zwei"),
                                  QStringLiteral("https://example.org/drei"), QStringLiteral("http://example.org/vier  ")};
        QTest::newRow("line 0 never opens") << text << 0 << QStringList();
        QTest::newRow("plain text") << text << 1 << QStringList();
        QTest::newRow("link") << text << 2 << QStringList{QStringLiteral("http://example.org/eins")};
        QTest::newRow("indented copy") << text << 3 << QStringList();
        QTest::newRow("https is not a link") << text << 4 << QStringList();
        QTest::newRow("whole stored line") << text << 5 << QStringList{QStringLiteral("http://example.org/vier  ")};
    }

    void onlyStoredLinesFromTheSecondOnOpen()
    {
        QFETCH(QStringList, lines);
        QFETCH(int, line);
        QFETCH(QStringList, opened);
        Roll r(lines, QSize(400, 120));
        r.StepUntilOffset(5);
        Press(r.roll, r.LineCentre(line));
        QCOMPARE(r.opened, opened);
        QCOMPARE(r.roll.cursor().shape(), opened.isEmpty() ? Qt::ArrowCursor : Qt::PointingHandCursor);
        // Any button opens a link.
        Press(r.roll, r.LineCentre(line), Qt::MiddleButton);
        QCOMPARE(r.opened.size(), opened.size() * 2);
    }

    void underlineStaysWithTheLineLastHoveredAndScrollsAway()
    {
        Roll r({QStringLiteral("Titel"), QStringLiteral("http://example.org/a"),
                QStringLiteral("http://example.org/b"), QStringLiteral("Ende")},
               QSize(400, 120));
        r.StepUntilOffset(40);
        const QPoint pointer = r.LineCentre(1);
        MovePointer(r.roll, pointer);
        const int h = r.roll.LineHeight();
        for (int i = 0; i < h; ++i)
            r.roll.Scroll();
        // The pointer rests over line 2 now; line 1, a line higher, keeps the underline.
        QCOMPARE(r.roll.HoverLine(), 1);
        const QImage image = BufferImage(r.roll);
        QVERIFY(LineBand(r.roll, 1).bottom() < pointer.y());
        QVERIFY(LongestRedRow(image, LineBand(r.roll, 1)) > 40);
        QCOMPARE(CountPixels(image, LineBand(r.roll, 2), IsRed), 0);
        QVERIFY(CountPixels(image, LineBand(r.roll, 2), IsBlue) > 10);
        // A press opens what is under the pointer now, and underlines it.
        Press(r.roll, pointer);
        QCOMPARE(r.opened, QStringList{QStringLiteral("http://example.org/b")});
        QCOMPARE(r.roll.HoverLine(), 2);
    }

    void pointerBeforeTheRollIsPlacedFindsNoLine()
    {
        TScrollingText roll;
        roll.resize(200, 80);
        roll.SetLines({QStringLiteral("x"), QStringLiteral("http://example.org/")});
        bool called = false;
        roll.SetUrlOpener([&](const QString &) { return called = true; });
        MovePointer(roll, QPoint(100, 40));
        Press(roll, QPoint(100, 40));
        QCOMPARE(roll.HoverLine(), -1);
        QVERIFY(!called);
    }

    void openUrlRefusesAnEmptyAddressAndKeepsFailuresQuiet()
    {
        TScrollingText roll;
        QStringList asked;
        bool answer = false;
        roll.SetUrlOpener([&](const QString &url) {
            asked << url;
            return answer;
        });
        QVERIFY(!roll.OpenUrl(QString()));
        QVERIFY(asked.isEmpty());
        QVERIFY(!roll.OpenUrl(QStringLiteral("http://example.org/")));
        answer = true;
        QVERIFY(roll.OpenUrl(QStringLiteral("http://example.org/")));
        QCOMPARE(asked.size(), 2);
    }

    void enterAndLeaveAreReportedOnlyWhileEnabled()
    {
        TScrollingText roll;
        roll.resize(100, 50);
        int entered = 0, left = 0;
        roll.OnMouseEnter = [&] { ++entered; };
        roll.OnMouseLeave = [&] { ++left; };
        const auto enterAndLeave = [&] {
            QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
            QApplication::sendEvent(&roll, &enter);
            QEvent leave(QEvent::Leave);
            QApplication::sendEvent(&roll, &leave);
        };
        enterAndLeave();
        QCOMPARE(entered, 1);
        QCOMPARE(left, 1);
        roll.setEnabled(false);
        enterAndLeave();
        QCOMPARE(entered, 1);
        QCOMPARE(left, 1);
    }

    void bufferFollowsTheDevicePixelRatio()
    {
        // Also run with QT_SCALE_FACTOR=2, which sets LUMO_EXPECT_DPR.
        const qreal expected = qEnvironmentVariableIsSet("LUMO_EXPECT_DPR")
            ? qEnvironmentVariable("LUMO_EXPECT_DPR").toDouble()
            : 1.0;
        Roll r({QStringLiteral("#Spielbeschreibung:"), QStringLiteral("Zeile")}, QSize(300, 80));
        QCOMPARE(r.roll.devicePixelRatioF(), expected);
        r.StepUntilOffset(10);
        QCOMPARE(r.roll.Buffer().devicePixelRatio(), expected);
        QCOMPARE(r.roll.Buffer().size(), (QSizeF(300, 80) * expected).toSize());
        // Lines step by the same logical 13 px at any ratio.
        QCOMPARE(r.roll.LineHeight(), 13);
        // Ink reaches rows in the device pixels between two logical ones.
        const QImage image = BufferImage(r.roll);
        QVERIFY(image.height() == qRound(80 * expected));
        int inkRows = 0;
        for (int y = 0; y < image.height(); ++y)
            if (CountPixels(image, QRect(0, y, image.width(), 1), IsInk) > 0)
                ++inkRows;
        QVERIFY2(inkRows >= qRound(14 * expected), qPrintable(QString::number(inkRows)));
    }

    void aTickRepaintsTheRollAloneFromItsBuffer()
    {
        // The roll on a window with another widget beside it that stands for
        // whatever lies around it.
        QWidget window;
        window.resize(420, 300);
        auto *roll = new TScrollingText(&window);
        roll->setGeometry(10, 10, 400, 200);
        auto *beside = new QWidget(&window);
        beside->setGeometry(10, 220, 400, 70);
        QStringList lines;
        for (int i = 0; i < 40; ++i)
            lines << QStringLiteral("Zeile %1").arg(i);
        roll->SetLines(lines);
        roll->SetInterval(35);

        struct PaintLog : QObject {
            QList<QRegion> roll;
            int others = 0;
            QObject *rollWidget = nullptr;
            bool eventFilter(QObject *watched, QEvent *event) override
            {
                if (event->type() == QEvent::Paint) {
                    if (watched == rollWidget)
                        roll << static_cast<QPaintEvent *>(event)->region();
                    else
                        ++others;
                }
                return false;
            }
        } log;
        log.rollWidget = roll;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTest::qWait(50);
        for (QObject *w : {static_cast<QObject *>(&window), static_cast<QObject *>(roll),
                           static_cast<QObject *>(beside)})
            w->installEventFilter(&log);

        roll->SetActive(true);
        const int start = roll->Offset();
        QTest::qWait(35 * 12);
        const int steps = start - roll->Offset();
        QVERIFY2(steps >= 4, qPrintable(QString::number(steps)));
        QVERIFY2(log.roll.size() >= 3, qPrintable(QString::number(log.roll.size())));
        for (const QRegion &region : log.roll)
            QCOMPARE(region, QRegion(roll->rect()));
        QCOMPARE(log.others, 0);
        // What the window shows is the buffer.
        const QImage shown = roll->grab().toImage().convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(shown, BufferImage(*roll));
    }
};

QTEST_MAIN(ScrollingTextTest)
#include "ScrollingTextTest.moc"
