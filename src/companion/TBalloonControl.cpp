#include "companion/TBalloonControl.h"

#include "companion/TBalloon.h"
#include "common/QtTextHelpers.h"

#include <QPointer>

namespace lumo {

TBalloonControl::TBalloonControl(QObject *parent) : QObject(parent) {}

TBalloon *TBalloonControl::ShowBalloon()
{
    // Showing processes events until the balloon is painted; a timer may
    // close it meanwhile, and then there is nothing to hand back.
    QPointer<TBalloon> balloon = new TBalloon();
    balloon->ShowBalloonAt(PixelCoordinateX, PixelCoordinateY, Title, Trim(Text.join(QStringLiteral("\r\n"))),
                           BalloonType, Duration, Position);
    return balloon.data();
}

int TBalloonControl::CloseAllBalloons()
{
    return TBalloon::CloseAll();
}

} // namespace lumo
