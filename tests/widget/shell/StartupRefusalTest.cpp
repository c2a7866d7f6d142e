#include "shell/StartupChecksQt.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>
#include <QtTest>

class StartupRefusalTest : public QObject {
    Q_OBJECT

private slots:
    void refusalShowsHeadAndReasonWithPlainLineBreaks()
    {
        QString shownText;
        QStringList buttons;
        // The box is modal; look at it from inside its own event loop, then close it.
        QTimer::singleShot(0, this, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            QVERIFY(box);
            shownText = box->text();
            for (QAbstractButton *button : box->buttons())
                buttons << (box->standardButton(button) == QMessageBox::Ok ? QStringLiteral("Ok") : button->text());
            box->accept();
        });
        lumo::ShowStartupRefusal(QString::fromUtf8(lumo::kResolutionRefusalText));

        QCOMPARE(shownText, QString::fromUtf8("Programm wird nicht ausgef\xC3\xBChrt.\n\n"
                                              "Sie ben\xC3\xB6tigen eine Bildschirmaufl\xC3\xB6sung \n"
                                              "von mindestens 800 x 600 Bildpunkten!\n"
                                              "Bitte \xC3\xA4ndern Sie diese in den Einstellungen der Systemsteuerung!"));
        QCOMPARE(buttons, QStringList{QStringLiteral("Ok")});
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
