#include "companion/CompanionArt.h"

#include "lookfeel/SvgArt.h"

#include <QGuiApplication>
#include <QImage>
#include <QScreen>

namespace lumo {

namespace {

const QString kNeutral = QStringLiteral(":/companion/bird_neutral.svg");
const QString kGrin = QStringLiteral(":/companion/bird_grin.svg");

qreal ScreenRatio(const QWidget *widget)
{
    if (widget)
        return widget->devicePixelRatioF();
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? screen->devicePixelRatio() : 1.0;
}

} // namespace

QList<AnimatedPicture::Frame> CompanionArt::BirdFrames(QSize logicalSize, qreal dpr)
{
    const QPixmap neutral = SvgArt::Render(kNeutral, logicalSize, dpr);
    const QPixmap grin = SvgArt::Render(kGrin, logicalSize, dpr);
    return {{neutral, 50}, {grin, 100}, {neutral, 50}};
}

QString CompanionArt::BalloonIconPath(int balloonType)
{
    switch (balloonType) {
    case blnError:
        return QStringLiteral(":/companion/error.svg");
    case blnWarning:
        return QStringLiteral(":/companion/warning.svg");
    case blnInfo:
    default:
        return QStringLiteral(":/companion/info.svg");
    }
}

QPixmap CompanionArt::BalloonIcon(int balloonType, qreal dpr)
{
    return SvgArt::Render(BalloonIconPath(balloonType), QSize(16, 16), dpr);
}

QBitmap CompanionArt::BirdMask(QSize logicalSize)
{
    const QImage image = SvgArt::Render(kNeutral, logicalSize, 1.0).toImage()
                             .convertToFormat(QImage::Format_ARGB32);
    // Half-covered edge pixels belong to the bird, so the outline stays whole.
    QImage mask(image.size(), QImage::Format_Mono);
    mask.setColor(0, qRgb(255, 255, 255));
    mask.setColor(1, qRgb(0, 0, 0));
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            mask.setPixel(x, y, qAlpha(image.pixel(x, y)) >= 64 ? 1 : 0);
    return QBitmap::fromImage(mask);
}

AnimatedPicture *CompanionArt::MakeBirdLogo(QWidget *parent)
{
    auto *logo = new AnimatedPicture(parent);
    logo->resize(LogoPlaceSize);
    logo->SetFrames(BirdFrames(LogoPictureSize, ScreenRatio(parent)), 2);
    return logo;
}

AnimatedPicture *CompanionArt::MakeBird(QWidget *parent)
{
    auto *bird = new AnimatedPicture(parent);
    bird->resize(BirdSize);
    bird->SetFrames(BirdFrames(BirdSize, ScreenRatio(parent)), 1);
    return bird;
}

} // namespace lumo
