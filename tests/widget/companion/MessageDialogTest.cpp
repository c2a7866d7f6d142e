#include "companion/MessageDialog.h"
#include "companion/MessageLayout.h"
#include "companion/TForm_Message.h"
#include "lookfeel/GlassButton.h"
#include "lookfeel/GradientPanel.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QKeyEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include <functional>

using namespace lumo;

namespace {

// Runs the action on the message dialog as soon as it is shown.
void OnDialog(std::function<void(TForm_Message *)> act)
{
    auto *timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, act] {
        auto *dialog = qobject_cast<TForm_Message *>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible())
            return;
        timer->stop();
        timer->deleteLater();
        act(dialog);
    });
    timer->start();
}

int GreenPixels(const QImage &image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.green() > 150 && c.red() < 100 && c.blue() < 120)
                ++count;
        }
    return count;
}

class KeyCounter : public QWidget {
public:
    int keys = 0;

protected:
    void keyPressEvent(QKeyEvent *) override { ++keys; }
    void keyReleaseEvent(QKeyEvent *) override { ++keys; }
};

struct Seen {
    QSize size;
    int lineHeight = 0;
    QRect close, yes, no, bar;
    bool closeVisible = false, yesVisible = false, noVisible = false;
    QString displayed;
    QString title;
    double opacity = 0;
    QPoint pos;
};

Seen Look(TForm_Message *d)
{
    Seen s;
    s.size = d->size();
    s.lineHeight = d->LineHeight();
    s.close = d->CloseButton()->geometry();
    s.yes = d->YesButton()->geometry();
    s.no = d->NoButton()->geometry();
    s.bar = d->Bar()->geometry();
    s.closeVisible = d->CloseButton()->isVisible();
    s.yesVisible = d->YesButton()->isVisible();
    s.noVisible = d->NoButton()->isVisible();
    s.displayed = d->DisplayedText();
    s.title = d->windowTitle();
    s.opacity = d->windowOpacity();
    s.pos = d->pos();
    return s;
}

} // namespace

class MessageDialogTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup()
    {
        SetDialogMainWindow(nullptr);
    }

    void infoSizesAndCentredCloseButton()
    {
        Seen s;
        OnDialog([&](TForm_Message *d) {
            s = Look(d);
            d->CloseButton()->click();
        });
        ShowInfo(QStringLiteral("  Kurz.  "));
        QCOMPARE(s.size, QSize(290, s.lineHeight * 4 + 30));
        QVERIFY(s.lineHeight > 8);
        QVERIFY(s.closeVisible);
        QVERIFY(!s.yesVisible);
        QVERIFY(!s.noVisible);
        QCOMPARE(s.close, QRect((290 - 80) / 2, 7, 80, 25));
        QCOMPARE(s.bar, QRect(2, s.size.height() - 42, 286, 40));
        // Blanks around the text are not shown; an empty line stands above it.
        QCOMPARE(s.displayed, QStringLiteral("\r\nKurz.\r\n"));
        QVERIFY(s.title.startsWith(QStringLiteral("Informationen zu ")));
        QVERIFY(s.title.endsWith(QStringLiteral(" Version 26.4.6.0")));
        QVERIFY(qAbs(s.opacity - 240 / 255.0) < 0.01);
    }

    void longerTextsGrowTheWindow()
    {
        // Wide, but narrower than the test screen: wider texts are held to the screen.
        const QString line = QString(50, QLatin1Char('W'));
        Seen s;
        OnDialog([&](TForm_Message *d) {
            s = Look(d);
            d->CloseButton()->click();
        });
        ShowInfo(line + QStringLiteral("\r\nzwei\r\ndrei"));
        const QFontMetrics bold([] {
            TForm_Message probe;
            return probe.TextArea()->font();
        }());
        QCOMPARE(s.size.width(), bold.horizontalAdvance(line) + 40);
        QCOMPARE(s.size.height(), s.lineHeight * 6 + 30);
        QCOMPARE(s.close.left(), (s.size.width() - 80) / 2);
    }

    void textTallerThanTheScreenScrollsAndCanBeCopied()
    {
        QStringList lines;
        for (int i = 1; i <= 400; ++i)
            lines << QStringLiteral("Zeile %1 eines sehr langen Berichts").arg(i);
        const QString text = lines.join(QStringLiteral("\r\n"));
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        Seen s;
        QRect closeOnScreen;
        bool scrolls = false;
        QString copied;
        OnDialog([&](TForm_Message *d) {
            s = Look(d);
            closeOnScreen = QRect(d->CloseButton()->mapToGlobal(QPoint(0, 0)), d->CloseButton()->size());
            auto *area = d->findChild<QScrollArea *>();
            scrolls = area && area->verticalScrollBar()->maximum() > 0;
            d->TextArea()->setFocus();
            QTest::keyClick(d->TextArea(), Qt::Key_A, Qt::ControlModifier);
            // Lines of a selection are separated by paragraph separators.
            copied = d->TextArea()->selectedText().replace(QChar(0x2029), QLatin1Char('\n'));
            d->CloseButton()->click();
        });
        ShowInfo(text);
        QVERIFY2(s.lineHeight * 403 + 30 > screen.height(), "the text must be taller than the screen");
        QCOMPARE(s.size.height(), screen.height());
        QVERIFY(s.size.width() <= screen.width());
        QVERIFY2(screen.contains(closeOnScreen), "the close button stays on the screen");
        QVERIFY(s.closeVisible);
        QVERIFY(scrolls);
        QCOMPARE(copied.trimmed(), QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    }

    void questionHasYesAndNoAtTheRightEnd()
    {
        Seen s;
        OnDialog([&](TForm_Message *d) {
            s = Look(d);
            d->NoButton()->click();
        });
        QVERIFY(!AskQuestion(QStringLiteral("Neues Spiel?")));
        QVERIFY(s.displayed.startsWith(QStringLiteral("Frage:\r\nNeues Spiel?")));
        QVERIFY(s.yesVisible);
        QVERIFY(s.noVisible);
        QVERIFY(!s.closeVisible);
        const int bar = s.size.width() - 4;
        QCOMPARE(s.no.left(), bar - 80 - 10);
        QCOMPARE(s.yes.left(), bar - 160 - 20);
        QCOMPARE(s.no.top(), 7);
    }

    void blanksOfAQuestionCountInItsWidth()
    {
        const QString text = QString(60, QLatin1Char('x'));
        Seen plain, padded;
        OnDialog([&](TForm_Message *d) {
            plain = Look(d);
            d->NoButton()->click();
        });
        AskQuestion(text);
        OnDialog([&](TForm_Message *d) {
            padded = Look(d);
            d->NoButton()->click();
        });
        AskQuestion(QStringLiteral("          ") + text + QStringLiteral("          "));
        QVERIFY(padded.size.width() > plain.size.width());
        QCOMPARE(padded.displayed, plain.displayed);
    }

    void waysToCloseAQuestion_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("answer");
        QTest::newRow("click Ja") << "yes" << true;
        QTest::newRow("key J") << "J" << true;
        QTest::newRow("Alt+J") << "Alt+J" << true;
        QTest::newRow("click Nein") << "no" << false;
        QTest::newRow("key N") << "N" << false;
        QTest::newRow("Enter") << "Enter" << false;
        QTest::newRow("Escape") << "Escape" << false;
        QTest::newRow("menu") << "menu" << false;
        QTest::newRow("S is not a button here") << "S-then-Escape" << false;
    }

    void waysToCloseAQuestion()
    {
        QFETCH(QString, how);
        QFETCH(bool, answer);
        OnDialog([how](TForm_Message *d) {
            if (how == "yes")
                d->YesButton()->click();
            else if (how == "no")
                d->NoButton()->click();
            else if (how == "J")
                QTest::keyClick(d, Qt::Key_J);
            else if (how == "Alt+J")
                QTest::keyClick(d, Qt::Key_J, Qt::AltModifier);
            else if (how == "N")
                QTest::keyClick(d, Qt::Key_N);
            else if (how == "Enter")
                QTest::keyClick(d, Qt::Key_Return);
            else if (how == "Escape")
                QTest::keyClick(d, Qt::Key_Escape);
            else if (how == "menu")
                d->CloseMenuItem()->trigger();
            else if (how == "S-then-Escape") {
                QTest::keyClick(d, Qt::Key_S);
                QTest::keyClick(d, Qt::Key_Escape);
            }
        });
        QCOMPARE(AskQuestion(QStringLiteral("Wirklich?")), answer);
    }

    void closeButtonAnswersTrueAndEnterFalse()
    {
        OnDialog([](TForm_Message *d) { QTest::keyClick(d, Qt::Key_S); });
        QVERIFY(ShowMessageDialog(QStringLiteral("Info"), kButtonsInfo, QString(), true));
        OnDialog([](TForm_Message *d) { QTest::keyClick(d, Qt::Key_Enter); });
        QVERIFY(!ShowMessageDialog(QStringLiteral("Info"), kButtonsInfo, QString(), true));
        OnDialog([](TForm_Message *d) { d->CloseMenuItem()->trigger(); });
        QVERIFY(!ShowMessageDialog(QStringLiteral("Info"), kButtonsInfo, QString(), true));
    }

    void keysTypedMeanwhileDoNotReachTheWindowBelow()
    {
        KeyCounter below;
        below.resize(400, 300);
        below.show();
        SetDialogMainWindow(&below);
        auto typeAndClose = [&below](TForm_Message *d) {
            QCoreApplication::postEvent(&below, new QKeyEvent(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, "a"));
            QCoreApplication::postEvent(&below, new QKeyEvent(QEvent::KeyRelease, Qt::Key_A, Qt::NoModifier, "a"));
            d->CloseButton()->click();
        };

        // Without the purge the keys would arrive: the fixture can see them.
        OnDialog(typeAndClose);
        ShowMessageDialog(QStringLiteral("Ohne"), kButtonsInfo, QString(), true);
        QCoreApplication::processEvents();
        QCOMPARE(below.keys, 2);

        below.keys = 0;
        OnDialog(typeAndClose);
        ShowInfo(QStringLiteral("Mit"));
        QCoreApplication::processEvents();
        QCOMPARE(below.keys, 0);

        OnDialog(typeAndClose);
        AskQuestion(QStringLiteral("Mit?"));
        QCoreApplication::processEvents();
        QCOMPARE(below.keys, 0);
    }

    void centresOverTheVisibleMainWindow()
    {
        QWidget main;
        main.setGeometry(100, 80, 700, 500);
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        SetDialogMainWindow(&main);
        Seen s;
        OnDialog([&](TForm_Message *d) {
            s = Look(d);
            d->CloseButton()->click();
        });
        ShowInfo(QStringLiteral("Mitte"));
        const QRect frame = main.frameGeometry();
        QCOMPARE(s.pos.x(), (frame.width() - s.size.width()) / 2 + frame.left());
        QCOMPARE(s.pos.y(), (frame.height() - s.size.height()) / 2 + frame.top());
    }

    // Leaves a picture of a question in the build tree for a look.
    void snapshotOfAQuestion()
    {
        QImage shot;
        OnDialog([&shot](TForm_Message *d) {
            shot = d->grab().toImage();
            d->NoButton()->click();
        });
        AskQuestion(QStringLiteral("Das Spiel ist verloren.\r\nMöchtest Du ein neues Spiel beginnen?"));
        QVERIFY(!shot.isNull());
        const QString dir = QCoreApplication::applicationDirPath() + QStringLiteral("/companion-shots");
        QDir().mkpath(dir);
        QVERIFY(shot.save(dir + QStringLiteral("/question.png")));
        const qreal dpr = shot.devicePixelRatio();
        auto at = [&](int x, int y) { return QColor(shot.pixel(int(x * dpr), int(y * dpr))); };
        QCOMPARE(at(0, 0), QColor(51, 94, 168));  // border
        QCOMPARE(at(1, 20), QColor(51, 94, 168));
        QCOMPARE(at(4, 4), QColor(209, 225, 250));  // text area
    }

    void hoverLightsTheButtonLimeAndTheBarTurnsItBack()
    {
        OnDialog([](TForm_Message *d) {
            QEvent enter(QEvent::Enter);
            QCoreApplication::sendEvent(d->YesButton(), &enter);
            const bool lit = d->YesButton()->ShineColor() == QColor(0, 255, 0);
            QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), QPointF(5, 5), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
            QCoreApplication::sendEvent(d->Bar(), &move);
            const bool back = d->YesButton()->ShineColor() == QColor(Qt::white);
            if (lit && back)
                d->YesButton()->click();
            else
                d->NoButton()->click();
        });
        QVERIFY(AskQuestion(QStringLiteral("Leuchtet es?")));
    }

    // The pointer moved for real: Qt finds the widget under it, sends the
    // button its Enter and passes the moves the button ignores on to the bar.
    void realPointerMovesLightTheButtonUnderItLime()
    {
        QStringList seen;
        OnDialog([&seen](TForm_Message *d) {
            const QColor lime(0, 255, 0);
            GlassButton *yes = d->YesButton();
            GlassButton *no = d->NoButton();
            QTest::mouseMove(d->Bar(), QPoint(5, 5));
            QTest::mouseMove(yes, yes->rect().center());
            QTest::mouseMove(yes, yes->rect().center() + QPoint(6, 2));
            seen << (yes->ShineColor() == lime ? "Ja lime" : "Ja not lime")
                 << (no->ShineColor() == lime ? "Nein lime" : "Nein not lime");
            // The face shows it: the gloss of the lit button is green.
            seen << (GreenPixels(yes->grab().toImage()) > 50 ? "Ja green" : "Ja not green")
                 << (GreenPixels(no->grab().toImage()) == 0 ? "Nein plain" : "Nein green");
            QTest::mouseMove(no, no->rect().center());
            seen << (no->ShineColor() == lime ? "Nein lime" : "Nein not lime");
            // Back on the bar between the buttons and beside them: all go out.
            QTest::mouseMove(d->Bar(), QPoint(yes->geometry().right() + 5, 20));
            QTest::mouseMove(d->Bar(), QPoint(5, 5));
            seen << (yes->ShineColor() == QColor(Qt::white) && no->ShineColor() == QColor(Qt::white) ? "out"
                                                                                                    : "still lit");
            no->click();
        });
        AskQuestion(QStringLiteral("Leuchtet es?"));
        QCOMPARE(seen, (QStringList{"Ja lime", "Nein not lime", "Ja green", "Nein plain", "Nein lime", "out"}));
    }

    // The context menu of the text is drawn by the program's menu painter:
    // light blue with a dark blue border, the item centred.
    void contextMenuHasTheProgramsLook()
    {
        QImage shot;
        QRect item;
        OnDialog([&](TForm_Message *d) {
            auto *menu = d->CloseMenuItem()->associatedObjects().value(0);
            auto *popup = qobject_cast<QMenu *>(menu);
            if (popup) {
                popup->resize(popup->sizeHint());
                shot = popup->grab().toImage();
                item = popup->actionGeometry(d->CloseMenuItem());
            }
            d->CloseButton()->click();
        });
        ShowInfo(QStringLiteral("Menü"));
        QVERIFY(!shot.isNull());
        QCOMPARE(shot.pixelColor(0, shot.height() / 2), QColor(51, 94, 168));
        QCOMPARE(shot.pixelColor(item.left() + 3, item.center().y()), QColor(209, 225, 250));
    }
};

QTEST_MAIN(MessageDialogTest)
#include "MessageDialogTest.moc"
