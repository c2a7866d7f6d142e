#include "persistence/TEingabeForm.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QAbstractButton>
#include <QScreen>
#include <QTimer>
#include <QtTest>

#include <functional>

using namespace lumo;

namespace {

const QString kPunkteHeading = QStringLiteral("Du kannst dich in die\r\nBestenliste eintragen!");

TEingabeForm *OpenForm()
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        auto *form = qobject_cast<TEingabeForm *>(widget);
        if (form && form->isVisible())
            return form;
    }
    return nullptr;
}

// Runs ShowInputDialog and, once the dialog has taken up its mode, lets the
// action work on it from inside the modal loop.
QString RunDialog(const QString &mode, const std::function<void(TEingabeForm *)> &action,
                  QStringList *infos = nullptr, QWidget *mainWindow = nullptr)
{
    QTimer driver;
    driver.setInterval(5);
    QObject::connect(&driver, &QTimer::timeout, [&] {
        TEingabeForm *form = OpenForm();
        if (!form || form->HeadingText() != kPunkteHeading)
            return;
        driver.stop();
        action(form);
    });
    driver.start();
    return ShowInputDialog(
        mode,
        [infos](const QString &text) {
            if (infos)
                infos->append(text);
        },
        mainWindow);
}

} // namespace

class NameDialogTest : public QObject {
    Q_OBJECT

private slots:
    void thirteenthCharacterIsRefused()
    {
        QString typed;
        const QString result = RunDialog(QStringLiteral("PUNKTE"), [&](TEingabeForm *form) {
            QTest::keyClicks(form->edt_name(), QStringLiteral("ABCDEFGHIJKLM"));
            typed = form->edt_name()->text();
            QTest::keyClick(form->edt_name(), Qt::Key_Return);
        });
        QCOMPARE(typed, QStringLiteral("ABCDEFGHIJKL"));
        QCOMPARE(result, QStringLiteral("ABCDEFGHIJKL"));
    }

    void okReturnsTheTrimmedName_data()
    {
        QTest::addColumn<int>("how");
        QTest::newRow("Enter in the field") << 0;
        QTest::newRow("keypad Enter on the window") << 1;
        QTest::newRow("ok button") << 2;
    }

    void okReturnsTheTrimmedName()
    {
        QFETCH(int, how);
        const QString result = RunDialog(QStringLiteral(" punkte "), [how](TEingabeForm *form) {
            QTest::keyClicks(form->edt_name(), QStringLiteral(" Anna Maria "));
            if (how == 0)
                QTest::keyClick(form->edt_name(), Qt::Key_Return);
            else if (how == 1)
                QTest::keyClick(form, Qt::Key_Enter);
            else
                QTest::mouseClick(form->btn_ok(), Qt::LeftButton);
        });
        QCOMPARE(result, QStringLiteral("Anna Maria"));
    }

    void cancelReturnsEmpty_data()
    {
        QTest::addColumn<int>("how");
        QTest::newRow("Escape in the field") << 0;
        QTest::newRow("Abbruch button") << 1;
        QTest::newRow("blanks and ok") << 2;
        QTest::newRow("window closed") << 3;
    }

    void cancelReturnsEmpty()
    {
        QFETCH(int, how);
        const QString result = RunDialog(QStringLiteral("PUNKTE"), [how](TEingabeForm *form) {
            if (how == 2) {
                QTest::keyClicks(form->edt_name(), QStringLiteral("    "));
                QTest::mouseClick(form->btn_ok(), Qt::LeftButton);
                return;
            }
            QTest::keyClicks(form->edt_name(), QStringLiteral("Anna"));
            if (how == 0)
                QTest::keyClick(form->edt_name(), Qt::Key_Escape);
            else if (how == 1)
                QTest::mouseClick(form->btn_cancel(), Qt::LeftButton);
            else
                form->close();
        });
        QVERIFY(result.isEmpty());
    }

    void invalidModeShowsTheMessageAndCancels()
    {
        QStringList infos;
        bool actionRan = false;
        const QString result =
            RunDialog(QStringLiteral("namen"), [&](TEingabeForm *) { actionRan = true; }, &infos);
        QVERIFY(result.isEmpty());
        QVERIFY(!actionRan);
        QCOMPARE(infos, QStringList{QStringLiteral("Ungültiger Parameter!")});
    }

    void looksAndSitsAsDesigned()
    {
        QWidget mainWindow;
        mainWindow.setGeometry(100, 80, 792, 541);
        mainWindow.show();
        QVERIFY(QTest::qWaitForWindowExposed(&mainWindow));

        QSize size;
        QPoint centreOffset;
        qreal opacity = 0;
        QString shownHeading;
        bool focused = false;
        RunDialog(
            QStringLiteral("PUNKTE"),
            [&](TEingabeForm *form) {
                size = form->size();
                centreOffset = form->frameGeometry().center() - mainWindow.frameGeometry().center();
                opacity = form->windowOpacity();
                shownHeading = form->findChild<QLabel *>(QStringLiteral("lb_hs"))->text();
                focused = form->edt_name()->hasFocus();
                QVERIFY(form->windowFlags().testFlag(Qt::FramelessWindowHint));
                QCOMPARE(form->edt_name()->geometry(), QRect(30, 42, 216, 24));
                QCOMPARE(form->btn_ok()->text(), QStringLiteral("ok"));
                QCOMPARE(form->btn_cancel()->text(), QStringLiteral("Abbruch"));
                form->close();
            },
            nullptr, &mainWindow);
        QCOMPARE(size, QSize(284, 169));
        QVERIFY(qAbs(centreOffset.x()) <= 1 && qAbs(centreOffset.y()) <= 1);
        QVERIFY(qAbs(opacity - 200.0 / 255.0) < 0.01);
        QCOMPARE(shownHeading, QStringLiteral("Du kannst dich in die\nBestenliste eintragen!"));
        QVERIFY(focused);
    }

    void withoutVisibleMainWindowItIsCentredOnTheScreen()
    {
        QWidget hiddenMain;
        hiddenMain.setGeometry(0, 0, 300, 200);
        TEingabeForm form(QStringLiteral("PUNKTE"), {}, &hiddenMain);
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        QCOMPARE(form.pos(), QPoint(screen.left() + (screen.width() - 284) / 2,
                                    screen.top() + (screen.height() - 169) / 2));
        QCOMPARE(form.HeadingText(),
                 QStringLiteral("Eintrag in die Bestenliste\r\nBitte den Namen eingeben!"));
    }
};

QTEST_MAIN(NameDialogTest)
#include "NameDialogTest.moc"
