#include "timing/Bee.h"

#include "engine/RandomSource.h"
#include "timing/CreaturePicture.h"
#include "timing/TCKMultimediaTimer.h"

namespace lumo {

Bee::Bee(QWidget &table, RandomSource &random, QObject *owner) : QObject(owner), FRandom(&random)
{
    i_biene0 = new CreaturePicture(QStringLiteral("i_biene0"), CreaturePicture::Input::PassThrough,
        &table);
    i_biene0->Place(LeftEnd, FlightTop, i_biene1);
    i_biene0->SetTag(0);

    t_biene = new TCKMultimediaTimer(this);
    t_biene->SetEnabled(false);
    t_biene->SetInterval(50);
    t_biene->SetOnTimer([this](TCKMultimediaTimer *) { t_TimerBiene(); });

    t_ani = new TCKMultimediaTimer(this);
    t_ani->SetEnabled(false);
    t_ani->SetInterval(500);
    t_ani->SetOnTimer([this](TCKMultimediaTimer *) { t_aniTimer(); });
}

int Bee::Direction() const
{
    return i_biene0->Tag();
}

int Bee::FlightStart() const
{
    return Direction() == 0 ? LeftEnd : RightEnd;
}

void Bee::t_TimerBiene()
{
    int left = i_biene0->x();
    int top = i_biene0->y();
    bool visible = i_biene0->isVisibleTo(i_biene0->parentWidget());

    // At the far end the flight is over: hide there, facing back.
    if (left > RightEnd - 1 && Direction() == 0) {
        t_biene->SetEnabled(false);
        visible = false;
        left = RightEnd;
        i_biene0->SetTag(1);
    }
    if (left < LeftEnd && Direction() == 1) {
        t_biene->SetEnabled(false);
        visible = false;
        left = LeftEnd;
        i_biene0->SetTag(0);
    }
    if (Direction() == 0 && t_biene->Enabled()) {
        left += Step;
        top = FlightTop;
    }
    if (Direction() == 1 && t_biene->Enabled()) {
        left -= Step;
        top = FlightTop;
    }

    CreatureFrame frame;
    if (!FBeeWingFrame) {
        frame = Direction() == 0 ? i_biene2 : i_biene4;
        FBeeWingFrame = true;
    } else {
        frame = Direction() == 0 ? i_biene1 : i_biene3;
        FBeeWingFrame = false;
    }

    // Hide first, so the picture's last place and its new one are repainted
    // once each.
    if (!visible)
        i_biene0->hide();
    i_biene0->Place(left, top, frame);
    if (t_biene->Enabled() && visible)
        i_biene0->raise();
}

void Bee::t_aniTimer()
{
    const int r = FRandom->Draw(LaunchRange);
    if (r == LaunchDraw && !t_biene->Enabled())
        StartFlight();
}

void Bee::StartLauncher()
{
    t_ani->SetEnabled(true);
}

void Bee::StartFlight()
{
    i_biene0->Place(FlightStart(), i_biene0->y(), i_biene0->Picture());
    i_biene0->show();
    t_biene->SetEnabled(true);
}

void Bee::SwitchOff()
{
    t_ani->SetEnabled(false);
    t_biene->SetEnabled(false);
    i_biene0->hide();
}

} // namespace lumo
