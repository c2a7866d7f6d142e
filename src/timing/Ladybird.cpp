#include "timing/Ladybird.h"

#include "engine/RandomSource.h"
#include "timing/CreaturePicture.h"
#include "timing/TCKMultimediaTimer.h"

namespace lumo {

Ladybird::Ladybird(QWidget &table, RandomSource &random, QObject *owner)
    : QObject(owner), FRandom(&random)
{
    i_kaefer = new CreaturePicture(QStringLiteral("i_kaefer"), CreaturePicture::Input::PassThrough,
        &table);
    i_kaefer->Place(StartLeft, StartTop, i_kaefer1);

    t_kaefer = new TCKMultimediaTimer(this);
    t_kaefer->SetEnabled(false);
    t_kaefer->SetInterval(100);
    t_kaefer->SetOnTimer([this](TCKMultimediaTimer *) { t_TimerKaefer(); });
}

void Ladybird::t_TimerKaefer()
{
    const auto hidden = [this] { return !i_kaefer->isVisibleTo(i_kaefer->parentWidget()); };

    const int r = FRandom->Draw(ReturnRange);
    if (r == ReturnDraw && hidden()) {
        i_kaefer->SetTag(0);
        i_kaefer->show();
    }
    if (hidden())
        return;

    int top = i_kaefer->y();
    if (top < VanishTop) {
        i_kaefer->hide();
        top = RestTop;
        i_kaefer->SetTag(0);
    }

    CreatureFrame frame;
    if (i_kaefer->Tag() == 0) {
        frame = i_kaefer1;
        i_kaefer->SetTag(1);
    } else {
        frame = i_kaefer2;
        i_kaefer->SetTag(0);
    }
    top -= Step;
    // Its column never changes.
    i_kaefer->Place(i_kaefer->x(), top, frame);
    if (i_kaefer->isEnabled())
        i_kaefer->raise();
}

void Ladybird::SwitchOn()
{
    i_kaefer->Place(StartLeft, StartTop, i_kaefer->Picture());
    i_kaefer->show();
    t_kaefer->SetEnabled(true);
}

void Ladybird::SwitchOff()
{
    t_kaefer->SetEnabled(false);
    i_kaefer->hide();
}

} // namespace lumo
