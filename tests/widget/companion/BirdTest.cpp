#include "companion/AnimatedPicture.h"
#include "companion/CompanionArt.h"
#include "companion/TAugen.h"
#include "companion/TBalloon.h"
#include "companion/TBalloonControl.h"
#include "companion/TForm_Message.h"
#include "companion/TForm_Vogel.h"
#include "lookfeel/GlassButton.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPointer>
#include <QScreen>
#include <QTest>
#include <QTimer>

using namespace lumo;

class BirdTest : public QObject {
    Q_OBJECT

private:
    static QRect Screen() { return QGuiApplication::primaryScreen()->geometry(); }

private slots:
    void cleanup()
    {
        TBalloon::CloseAll();
    }

    void eyesLieOverThePicturesEyes()
    {
        TForm_Vogel bird;
        QCOMPARE(bird.size(), QSize(57, 80));
        QCOMPARE(bird.Augen()->geometry(), QRect(16, 2, 25, 17));
        QCOMPARE(bird.Augen()->PupilColor(), QColor(58, 110, 165));
        // Under the eye control's eye centres the picture is white too.
        const QImage picture = bird.Vogel()->CurrentPixmap().toImage();
        const qreal dpr = picture.devicePixelRatio();
        for (QPoint eye : {QPoint(16 + 6, 2 + 8), QPoint(16 + 19, 2 + 8)}) {
            const QColor c(picture.pixel(int(eye.x() * dpr), int((eye.y() - 6) * dpr)));
            QVERIFY2(c.lightness() > 240, qPrintable(c.name()));
        }
        // Outside the bird the window is cut away.
        QVERIFY(!bird.mask().contains(QPoint(0, 0)));
        QVERIFY(bird.mask().contains(QPoint(28, 45)));
    }

    void centredOnTheScreenAtItsFirstShowing()
    {
        TForm_Vogel bird;
        bird.move(3, 3);
        bird.show();
        const QRect s = Screen();
        QCOMPARE(bird.pos(), QPoint(s.left() + (s.width() - 57) / 2, s.top() + (s.height() - 80) / 2));
        // Later placements stay.
        bird.hide();
        bird.move(10, 20);
        bird.show();
        QCOMPARE(bird.pos(), QPoint(10, 20));
    }

    void balloonExtendsTowardTheMiddleOfTheScreen()
    {
        TForm_Vogel bird;
        bird.show();
        // Centred, its left edge lies left of the middle: the balloon goes right.
        bird.Say(QStringLiteral("Hallo"), false);
        QCOMPARE(TBalloon::OpenBalloons().size(), 1);
        TBalloon *right = TBalloon::OpenBalloons().first();
        QCOMPARE(right->Position(), blnArrowTopRight);
        QCOMPARE(right->ArrowTip(), QPoint(bird.x() + 28 + 10, bird.y()));
        QCOMPARE(right->Title(), QString());
        QVERIFY(!right->IconShown());

        // Left edge exactly at the middle: the balloon goes left.
        const QRect s = Screen();
        bird.move(s.left() + s.width() / 2, 300);
        bird.Say(QStringLiteral("Hallo"), false);
        QCOMPARE(TBalloon::OpenBalloons().size(), 1);
        TBalloon *left = TBalloon::OpenBalloons().first();
        QCOMPARE(left->Position(), blnArrowTopLeft);
        QCOMPARE(left->ArrowTip(), QPoint(bird.x() + 28 - 10, 300));
    }

    void tippTextsGetTheInfoTitleAndBlankTextOnlyCloses()
    {
        TForm_Vogel bird;
        bird.show();
        bird.Say(QStringLiteral("Tipp: rechte Maustaste"), false);
        QCOMPARE(TBalloon::OpenBalloons().size(), 1);
        QCOMPARE(TBalloon::OpenBalloons().first()->Title(), QStringLiteral("Info"));
        QVERIFY(TBalloon::OpenBalloons().first()->IconShown());
        bird.Say(QStringLiteral("   "), false);
        QVERIFY(TBalloon::OpenBalloons().isEmpty());
    }

    void sayGrinsTheBird()
    {
        TForm_Vogel bird;
        bird.show();
        bird.Say(QStringLiteral("Hallo"), false);
        // The picture played again: neutral, grin, neutral at least once.
        QVERIFY(bird.Vogel()->FramesShown() >= 2);
        QTRY_VERIFY_WITH_TIMEOUT(!bird.Vogel()->IsPlaying(), 3000);
        QCOMPARE(bird.Vogel()->FramesShown(), 3);
        QCOMPARE(bird.Vogel()->CurrentFrame(), 2);
    }

    void hiddenOrDisabledBirdSaysNothing()
    {
        TForm_Vogel bird;
        bird.Say(QStringLiteral("Hallo"), false);
        QVERIFY(TBalloon::OpenBalloons().isEmpty());
        bird.show();
        bird.setEnabled(false);
        bird.Say(QStringLiteral("Hallo"), false);
        QVERIFY(TBalloon::OpenBalloons().isEmpty());
    }

    void failedGreetingShowsTheResourceError()
    {
        TForm_Vogel bird;
        bird.show();
        int played = 0;
        bird.SetWaveOutputPresent([] { return true; });
        bird.SetGreetingPlayer([&played] {
            ++played;
            return false;
        });
        QString shown;
        QTimer poll;
        poll.setInterval(10);
        connect(&poll, &QTimer::timeout, [&] {
            if (auto *d = qobject_cast<TForm_Message *>(QApplication::activeModalWidget())) {
                shown = d->DisplayedText();
                poll.stop();
                d->CloseButton()->click();
            }
        });
        poll.start();
        bird.Say(QStringLiteral("Hallo"), true);
        QCOMPARE(played, 1);
        QCOMPARE(shown, QStringLiteral("\r\nRessourcenfehler!\r\n"));

        // Without a wave output nothing is played and nothing is reported.
        bird.SetWaveOutputPresent([] { return false; });
        shown.clear();
        bird.Say(QStringLiteral("Hallo"), true);
        QCOMPARE(played, 1);
        QVERIFY(shown.isEmpty());
    }

    void destroyingTheBirdClosesItsBalloon()
    {
        auto *bird = new TForm_Vogel;
        bird->show();
        bird->Say(QStringLiteral("Bitte warten!"), false);
        QPointer<TBalloon> balloon = TBalloon::OpenBalloons().value(0);
        QVERIFY(balloon);
        delete bird;
        QVERIFY(TBalloon::OpenBalloons().isEmpty());
        QVERIFY(balloon.isNull());
    }

    void logoPlaysTwicePerRestart()
    {
        QWidget bar;
        AnimatedPicture *logo = CompanionArt::MakeBirdLogo(&bar);
        QCOMPARE(logo->size(), QSize(30, 36));
        QCOMPARE(logo->FrameCount(), 3);
        QCOMPARE(logo->RepeatCount(), 2);
        QCOMPARE(logo->sizeHint(), QSize(23, 32));
        logo->Restart();
        QVERIFY(logo->IsPlaying());
        QTRY_VERIFY_WITH_TIMEOUT(!logo->IsPlaying(), 3000);
        QCOMPARE(logo->FramesShown(), 6);
        QCOMPARE(logo->CurrentFrame(), 2);
    }

    // Leaves a picture of the bird with its balloon in the build tree for a look.
    void snapshotOfTheBirdSpeaking()
    {
        TForm_Vogel bird;
        bird.show();
        bird.move(200, 300);
        bird.Augen()->SetPointerSource([&bird] { return bird.mapToGlobal(QPoint(400, 400)); });
        bird.Augen()->Tick();
        bird.Say(QStringLiteral("Hallo"), false);
        TBalloon *balloon = TBalloon::OpenBalloons().value(0);
        QVERIFY(balloon);

        const QRect all = bird.geometry().united(balloon->geometry()).adjusted(-10, -10, 10, 10);
        QImage shot(all.size(), QImage::Format_ARGB32);
        shot.fill(QColor(0, 128, 64));
        {
            QPainter p(&shot);
            QPixmap b = balloon->grab();
            QRegion mask = balloon->mask();
            p.setClipRegion(mask.translated(balloon->pos() - all.topLeft()));
            p.drawPixmap(balloon->pos() - all.topLeft(), b);
            p.setClipping(false);
            p.drawImage(bird.pos() - all.topLeft(), bird.grab().toImage());
        }
        const QString dir = QCoreApplication::applicationDirPath() + QStringLiteral("/companion-shots");
        QDir().mkpath(dir);
        QVERIFY(shot.save(dir + QStringLiteral("/bird_speaking.png")));
        // The bird's body is blue, the table shows around it, the eyes are white.
        const QPoint birdAt = bird.pos() - all.topLeft();
        const QColor body(shot.pixel(birdAt + QPoint(28, 60)));
        QVERIFY2(body.blue() > body.red() + 40, qPrintable(body.name()));
        QCOMPARE(QColor(shot.pixel(birdAt + QPoint(1, 1))), QColor(0, 128, 64));
        QCOMPARE(QColor(shot.pixel(birdAt + QPoint(16 + 6, 2 + 3))), QColor(255, 255, 255));
    }
};

QTEST_MAIN(BirdTest)
#include "BirdTest.moc"
