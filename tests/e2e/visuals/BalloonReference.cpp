// Draws the hint balloon for a text as the game draws it, on the same display
// and with the same fonts, so an end-to-end test can tell that text in frames
// taken from the screen. Prints where the balloon's text area would stand if
// its arrow touched (x, y) and writes that area as a binary PPM.
//   lumo_balloon_reference X Y TEXT OUT.ppm    (TEXT with "\r\n" as written)

#include "companion/TBalloon.h"
#include "companion/TBalloonControl.h"

#include <QApplication>
#include <QImage>
#include <QPointer>

#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc != 5) {
        std::fputs("usage: lumo_balloon_reference X Y TEXT OUT.ppm\n", stderr);
        return 2;
    }
    QString text = QString::fromUtf8(argv[3]);
    text.replace(QStringLiteral("\\r\\n"), QStringLiteral("\r\n"));

    lumo::TBalloonControl control;
    control.Text = QStringList{text};
    control.Title = text.left(5) == QStringLiteral("Tipp!") ? QStringLiteral("Nächster Zug?") : QString();
    control.Duration = 0;
    control.Position = lumo::blnArrowTopRight;
    control.BalloonType = lumo::blnInfo;
    control.PixelCoordinateX = QString::fromUtf8(argv[1]).toInt();
    control.PixelCoordinateY = QString::fromUtf8(argv[2]).toInt();
    QPointer<lumo::TBalloon> balloon = control.ShowBalloon();
    if (!balloon)
        return 1;
    const lumo::BalloonRect r = balloon->Layout().text;
    const QRect area(r.left, r.top, r.width, r.height);
    const QImage image = balloon->grab(area).toImage().convertToFormat(QImage::Format_RGB888);
    if (!image.save(QString::fromUtf8(argv[4]), "PPM"))
        return 1;
    const QPoint onScreen = balloon->pos() + area.topLeft();
    std::printf("%d %d %d %d\n", onScreen.x(), onScreen.y(), area.width(), area.height());
    return 0;
}
