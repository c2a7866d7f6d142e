#include "companion/TBalloonControl.h"

#include "companion/TBalloon.h"
#include "common/QtTextHelpers.h"

namespace lumo {

TBalloonControl::TBalloonControl(QObject *parent) : QObject(parent) {}

TBalloon *TBalloonControl::ShowBalloon()
{
    auto *balloon = new TBalloon();
    balloon->ShowBalloonAt(PixelCoordinateX, PixelCoordinateY, Title, Trim(Text.join(QStringLiteral("\r\n"))),
                           BalloonType, Duration, Position);
    return balloon;
}

int TBalloonControl::CloseAllBalloons()
{
    return TBalloon::CloseAll();
}

} // namespace lumo
