#pragma once
// The helper bird's pictures and the balloon icons, rendered from the SVG art
// in the program's resources at the screen's device pixel ratio.

#include "companion/AnimatedPicture.h"
#include "companion/BalloonTypes.h"

#include <QBitmap>
#include <QList>
#include <QPixmap>
#include <QSize>

namespace lumo {

class CompanionArt {
public:
    static constexpr QSize BirdSize{57, 80};
    static constexpr QSize LogoPictureSize{23, 32};
    static constexpr QSize LogoPlaceSize{30, 36};

    // Neutral 50 ms, grinning 100 ms, neutral 50 ms, at the given logical size.
    static QList<AnimatedPicture::Frame> BirdFrames(QSize logicalSize, qreal dpr);
    // The 16 x 16 icon of a balloon type; an unknown type gives the info icon.
    static QPixmap BalloonIcon(int balloonType, qreal dpr);
    static QString BalloonIconPath(int balloonType);
    // The bird's outline at 1:1, for windows that cannot be transparent.
    static QBitmap BirdMask(QSize logicalSize);

    // The title-bar logo: a 30 x 36 place with the 23 x 32 bird, played twice
    // per restart.
    static AnimatedPicture *MakeBirdLogo(QWidget *parent);
    // The full-size bird picture, played once per restart.
    static AnimatedPicture *MakeBird(QWidget *parent);
};

} // namespace lumo
