#include "shell/StartupChecksQt.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QScreen>
#include <QTimer>
#include <QtTest>

class StartupRefusalTest : public QObject {
    Q_OBJECT

    // What the box shows of a refusal: its label's text, whether the label
    // may wrap, how wide it is against the longest line, and its buttons.
    struct Shown {
        QString text;
        bool wraps = true;
        int labelWidth = 0;
        int longestLine = 0;
        int lines = 0;
        int labelHeight = 0;
        int lineSpacing = 0;
        QStringList buttons;
    };

    static Shown ShowAndLook(const QString &error)
    {
        Shown shown;
        // The box is modal; look at it from inside its own event loop, then close it.
        QTimer::singleShot(0, [&] {
            auto *box = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            if (!box)
                return;
            QLabel *label = nullptr;
            for (QLabel *l : box->findChildren<QLabel *>())
                if (l->text().contains(QStringLiteral("Programm wird nicht")))
                    label = l;
            if (label) {
                shown.text = label->text();
                shown.wraps = label->wordWrap();
                shown.labelWidth = label->contentsRect().width();
                shown.labelHeight = label->contentsRect().height();
                const QFontMetrics fm(label->font());
                shown.lineSpacing = fm.lineSpacing();
                const QStringList lines = label->text().split(QLatin1Char('\n'));
                shown.lines = int(lines.size());
                for (const QString &line : lines)
                    shown.longestLine = std::max(shown.longestLine, fm.horizontalAdvance(line));
            }
            for (QAbstractButton *button : box->findChildren<QAbstractButton *>()) {
                auto *group = qobject_cast<QDialogButtonBox *>(button->parentWidget());
                const bool ok = group && group->standardButton(button) == QDialogButtonBox::Ok;
                shown.buttons << (ok ? QStringLiteral("Ok") : button->text());
            }
            box->accept();
        });
        lumo::ShowStartupRefusal(error);
        return shown;
    }

private slots:
    void refusalShowsHeadAndReasonWithPlainLineBreaks()
    {
        const Shown shown = ShowAndLook(QString::fromUtf8(lumo::kResolutionRefusalText));
        QCOMPARE(shown.text, QString::fromUtf8("Programm wird nicht ausgef\xC3\xBChrt.\n\n"
                                              "Sie ben\xC3\xB6tigen eine Bildschirmaufl\xC3\xB6sung \n"
                                              "von mindestens 800 x 600 Bildpunkten!\n"
                                              "Bitte \xC3\xA4ndern Sie diese in den Einstellungen der Systemsteuerung!"));
        QCOMPARE(shown.buttons, QStringList{QStringLiteral("Ok")});
    }

    // The designed lines stand as they are: no line is wrapped, however long,
    // so the box is as wide as the longest and as high as the line count.
    void refusalKeepsItsOwnLinesOnly_data()
    {
        QTest::addColumn<QString>("error");
        QTest::newRow("dpi") << QString::fromUtf8(lumo::kDpiRefusalText);
        QTest::newRow("resolution") << QString::fromUtf8(lumo::kResolutionRefusalText);
    }

    void refusalKeepsItsOwnLinesOnly()
    {
        QFETCH(QString, error);
        const Shown shown = ShowAndLook(error);
        QVERIFY(!shown.text.isEmpty());
        QVERIFY(!shown.wraps);
        QVERIFY2(shown.labelWidth >= shown.longestLine,
                 qPrintable(QString("label %1 px, longest line %2 px").arg(shown.labelWidth).arg(shown.longestLine)));
        QVERIFY2(shown.labelHeight < (shown.lines + 1) * shown.lineSpacing,
                 qPrintable(QString("label %1 px high for %2 lines").arg(shown.labelHeight).arg(shown.lines)));
        QCOMPARE(shown.buttons, QStringList{QStringLiteral("Ok")});
    }

    void screenFactsComeFromTheGivenScreen()
    {
        QScreen *screen = QGuiApplication::primaryScreen();
        QVERIFY(screen);
        const lumo::ScreenFacts facts = lumo::ScreenFactsOf(screen);
        QCOMPARE(facts.logicalWidth, screen->size().width());
        QCOMPARE(facts.logicalHeight, screen->size().height());
        QCOMPARE(facts.logicalDpi, screen->logicalDotsPerInchX());
        QCOMPARE(facts.devicePixelRatio, screen->devicePixelRatio());
        // The offscreen test screen is a plain 96-dpi desktop of at least 800 x 600.
        QCOMPARE(lumo::StartupError(), QString());
    }
};

int RunStartupRefusalTests(int argc, char **argv)
{
    StartupRefusalTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "StartupRefusalTest.moc"
