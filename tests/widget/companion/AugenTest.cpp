#include "companion/TAugen.h"

#include <QImage>
#include <QTest>

using namespace lumo;

class AugenTest : public QObject {
    Q_OBJECT

private:
    QPoint FPointer;

    // A window with the eyes at the bird's place; the pointer is ours to move.
    TAugen *MakeEyes(QWidget &host)
    {
        host.resize(100, 100);
        auto *eyes = new TAugen(&host);
        eyes->SetBounds(16, 2, 25, 17);
        eyes->SetPointerSource([this] { return FPointer; });
        host.show();
        return eyes;
    }

private slots:
    void defaultsAndBirdSize()
    {
        QWidget host;
        auto *eyes = MakeEyes(host);
        QVERIFY(eyes->Active());
        QCOMPARE(eyes->EyeColor(), QColor(255, 255, 255));
        QCOMPARE(eyes->PupilColor(), QColor(0, 0, 0));
        QCOMPARE(eyes->geometry(), QRect(16, 2, 25, 17));
        QCOMPARE(eyes->Geometry().pupilRadius, 2);
        QCOMPARE(eyes->Geometry().pupilMargin, 2);
        QCOMPARE(eyes->Geometry().a, 3.5);
        QCOMPARE(eyes->Geometry().b, 6.5);
    }

    void heightAboveWidthBecomesSquare()
    {
        QWidget host;
        auto *eyes = MakeEyes(host);
        eyes->SetBounds(0, 0, 30, 50);
        QCOMPARE(eyes->size(), QSize(30, 30));
        // The pupil size follows the new size.
        QCOMPARE(eyes->Geometry().pupilRadius, 3);
        eyes->SetBounds(0, 0, 10, 8);
        QCOMPARE(eyes->size(), QSize(10, 8));
        QCOMPARE(eyes->Geometry().pupilRadius, 1);
        QCOMPARE(eyes->Geometry().pupilMargin, 1);
    }

    void pupilsFollowThePointerAndRestWhenItRests()
    {
        QWidget host;
        auto *eyes = MakeEyes(host);
        eyes->SetActive(false);  // ticks by hand only
        const QPoint origin = eyes->mapToGlobal(QPoint(0, 0));

        // Far right on the row of the centres (8.5 is not an integer row, so
        // the diagonal rule applies with a tiny angle; the pupil lies at cx + a).
        FPointer = origin + QPoint(5000, 8);
        eyes->Tick();
        QCOMPARE(eyes->LeftPupil().x(), origin.x() + 6 + 3);
        QCOMPARE(eyes->RightPupil().x(), origin.x() + 19 + 3);
        const int redraws = eyes->RedrawCount();
        QCOMPARE(redraws, 1);

        // The pointer has not moved: nothing is redrawn.
        eyes->Tick();
        eyes->Tick();
        QCOMPARE(eyes->RedrawCount(), redraws);

        // Inside the left eye's ellipse the pupil is the pointer itself.
        FPointer = origin + QPoint(7, 10);
        eyes->Tick();
        QCOMPARE(eyes->LeftPupil(), FPointer);
        QCOMPARE(eyes->RedrawCount(), redraws + 1);
    }

    void timerPollsWhileActive()
    {
        QWidget host;
        auto *eyes = MakeEyes(host);
        FPointer = eyes->mapToGlobal(QPoint(-300, -300));
        QTRY_VERIFY_WITH_TIMEOUT(eyes->LeftPupil().x() != -1, 3000);
        eyes->SetActive(false);
        QVERIFY(!eyes->Active());
        const int before = eyes->RedrawCount();
        FPointer += QPoint(50, 50);
        QTest::qWait(350);
        QCOMPARE(eyes->RedrawCount(), before);
        eyes->SetActive(true);
        QTRY_VERIFY_WITH_TIMEOUT(eyes->RedrawCount() > before, 3000);
    }

    void paintShowsPupilsWhereComputed()
    {
        QWidget host;
        auto *eyes = MakeEyes(host);
        eyes->SetActive(false);
        eyes->SetPupilColor(QColor(58, 110, 165));
        const QPoint origin = eyes->mapToGlobal(QPoint(0, 0));
        FPointer = origin + QPoint(6, 12);  // inside the left eye, below its centre
        eyes->Tick();
        const QImage image = eyes->grab().toImage();
        const qreal dpr = image.devicePixelRatio();
        auto at = [&](QPoint p) { return QColor(image.pixel(int(p.x() * dpr), int(p.y() * dpr))); };
        QCOMPARE(at(QPoint(6, 12)), QColor(58, 110, 165));
        // The top of the eye, far from both pupils, is the eye's white.
        QCOMPARE(at(QPoint(6, 3)), QColor(255, 255, 255));
        // A colour change forgets the pupils until the next tick.
        eyes->SetEyeColor(QColor(250, 250, 200));
        QCOMPARE(eyes->LeftPupil().x(), -1);
        const QImage blank = eyes->grab().toImage();
        QCOMPARE(QColor(blank.pixel(int(6 * dpr), int(12 * dpr))), QColor(250, 250, 200));
    }
};

QTEST_MAIN(AugenTest)
#include "AugenTest.moc"
