#include "companion/HintBalloonPresenter.h"

#include "companion/AnimatedPicture.h"
#include "companion/TBalloonControl.h"
#include "common/EventHelpers.h"
#include "common/QtTextHelpers.h"

namespace lumo {

HintBalloonPresenter::HintBalloonPresenter(AnimatedPicture *logo, QObject *parent)
    : QObject(parent), FLogo(logo), b_hint(new TBalloonControl(this))
{
    b_hint->BalloonType = blnInfo;
}

void HintBalloonPresenter::ShowHintBalloon(const QString &hint)
{
    if (Trim(hint).size() <= 3)
        return;
    if (FLogo)
        FLogo->Restart();
    b_hint->CloseAllBalloons();
    b_hint->Title = hint.left(5) == QStringLiteral("Tipp!") ? QStringLiteral("Nächster Zug?") : QString();
    b_hint->Duration = 2;
    b_hint->Text = QStringList{hint};
    b_hint->Position = blnArrowTopRight;
    // The logo's right edge, two pixels above its top: with the title-bar
    // layout, the main window's upper edge.
    QPoint point(0, 0);
    if (FLogo)
        point = FLogo->mapToGlobal(QPoint(FLogo->width(), -2));
    b_hint->PixelCoordinateX = point.x();
    b_hint->PixelCoordinateY = point.y();
    b_hint->ShowBalloon();
    Delay(0);
}

} // namespace lumo
