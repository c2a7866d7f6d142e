// The update window's look and handling: size, place, label, the progress
// bar during a real (slow) download from the local server, dragging.

#include "FakeOnlineHost.h"
#include "TestUpdateServer.h"

#include "common/ScreenCursor.h"
#include "lookfeel/GradientPanel.h"
#include "online/InternetUpdate.h"
#include "online/TForm_InternetUpdate.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QMouseEvent>
#include <QProgressBar>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

using namespace lumo;

namespace {

UpdateSource SourceAt(const QString &base, const QString &temp)
{
    UpdateSource source;
    source.serverBase = base;
    source.UpdateCategory = QStringLiteral("Spiele");
    source.baseName = QStringLiteral("Lumo");
    source.fileName = QStringLiteral("Lumo");
    source.ownVersion = QStringLiteral("26.4.6.0");
    source.tempFolder = temp + QLatin1Char('/');
    return source;
}

void Press(QWidget *widget, QEvent::Type type, Qt::MouseButton button)
{
    const QPointF at(100, 10);
    QMouseEvent event(type, at, widget->mapToGlobal(at), button,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : button, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

} // namespace

class UpdateWindowTest : public QObject {
    Q_OBJECT

private slots:
    void frameLabelAndPlace()
    {
        QTemporaryDir temp;
        TForm_InternetUpdate form(SourceAt(QStringLiteral("https://lumo.example.org/"), temp.path()), [] { return false; });
        QVERIFY(form.windowFlags().testFlag(Qt::FramelessWindowHint));
        QVERIFY(form.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(!form.parentWidget());
        QCOMPARE(form.size(), QSize(295, 155));
        QCOMPARE(qRound(form.windowOpacity() * 255), 240);
        QCOMPARE(form.PanUpdate->geometry(), QRect(0, 0, 295, 155));
        QCOMPARE(form.PanUpdate->StartColor(), QColor(209, 225, 250));
        QCOMPARE(form.PanUpdate->EndColor(), QColor(51, 95, 168));
        QCOMPARE(form.lb_update->geometry(), QRect(5, 35, 281, 57));
        QCOMPARE(form.lb_update->text(), QStringLiteral("Internetupdate"));
        QVERIFY(form.lb_update->font().bold());
        QVERIFY(form.lb_update->wordWrap());
        QVERIFY(form.lb_update->alignment().testFlag(Qt::AlignHCenter));
        QCOMPARE(form.lb_update->palette().color(QPalette::WindowText), QColor(51, 95, 168));
        QVERIFY(!form.ProgressBar());
        // The main window is not active: centred on the screen.
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        QCOMPARE(form.pos(), QPoint((screen.width() - 295) / 2, (screen.height() - 155) / 2));
    }

    void centredOverTheActiveMainWindow()
    {
        QWidget main;
        main.setGeometry(100, 80, 792, 541);
        main.show();
        main.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&main));
        QTemporaryDir temp;
        TForm_InternetUpdate form(SourceAt(QStringLiteral("https://lumo.example.org/"), temp.path()), [] { return false; },
                                  &main);
        const QRect frame = main.frameGeometry();
        QCOMPARE(form.pos(), QPoint(frame.left() + (frame.width() - 295) / 2, frame.top() + (frame.height() - 155) / 2));
    }

    void draggingShowsTheFourArrowsExceptForTheRightButton()
    {
        QTemporaryDir temp;
        TForm_InternetUpdate form(SourceAt(QStringLiteral("https://lumo.example.org/"), temp.path()), [] { return false; });
        SetScreenCursor(ScreenCursorShape::Wait);
        form.show();
        form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        Press(form.PanUpdate, QEvent::MouseButtonPress, Qt::LeftButton);
        QCOMPARE(CurrentScreenCursor(), ScreenCursorShape::SizeAll);
        Press(form.PanUpdate, QEvent::MouseButtonRelease, Qt::LeftButton);
        // Back to the cursor of the moment the window was activated.
        QCOMPARE(CurrentScreenCursor(), ScreenCursorShape::Wait);
        Press(form.PanUpdate, QEvent::MouseButtonPress, Qt::RightButton);
        QCOMPARE(CurrentScreenCursor(), ScreenCursorShape::Wait);
        Press(form.PanUpdate, QEvent::MouseButtonRelease, Qt::RightButton);
        SetScreenCursor(ScreenCursorShape::Normal);
    }

    // Leaves a picture of the window halfway through a download in the
    // build tree for a look.
    void progressBarHalfway()
    {
        TestUpdateServer server;
        QVERIFY2(server.Error().isEmpty(), qPrintable(server.Error()));
        server.Put(QStringLiteral("downloads/Spiele/lumo.ini"), "[VEMU]\r\nVersion=26470\r\nNewVersion=26.4.7.0\r\n");
        server.Put(QStringLiteral("downloads/Spiele/Lumo"), QByteArray(40 * 1024, 's'), R"({"chunk": 4096, "pause": 0.2})");
        QTemporaryDir temp;
        FakeOnlineHost host;
        InternetUpdate update(host, SourceAt(server.Base(), temp.path()), [] { return true; });
        QImage shot;
        QString status;
        QTimer watch;
        watch.setInterval(1);
        connect(&watch, &QTimer::timeout, this, [&] {
            if (!update.Form() || !shot.isNull())
                return;
            TForm_InternetUpdate *form = update.Form();
            QProgressBar *bar = form->ProgressBar();
            if (bar && bar->value() >= 50) {
                status = form->lb_update->text();
                shot = form->grab().toImage();
            }
        });
        watch.start();
        update.bt_downloadClick();
        QVERIFY(!shot.isNull());
        QCOMPARE(status, QStringLiteral("Neuere Version 26.4.7.0 gefunden.\nDownload wird gestartet..."));
        const QString dir = QCoreApplication::applicationDirPath() + QStringLiteral("/online-shots");
        QDir().mkpath(dir);
        QVERIFY(shot.save(dir + QStringLiteral("/update-progress.png")));
        const qreal dpr = shot.devicePixelRatio();
        auto at = [&](int x, int y) { return QColor(shot.pixel(int(x * dpr), int(y * dpr))); };
        QCOMPARE(at(0, 0), QColor(Qt::black));
        // Light at the top, dark at the bottom.
        QVERIFY(at(150, 3).lightness() > at(150, 150).lightness() + 60);
        // The bar's filled part differs from its empty part.
        QVERIFY(at(30, 78) != at(270, 78));
        QCOMPARE(host.questions.size(), 1);
    }
};

QTEST_MAIN(UpdateWindowTest)
#include "UpdateWindowTest.moc"
