#include "timing/Hare.h"

#include "timing/CreatureHost.h"
#include "timing/CreaturePicture.h"
#include "timing/TCKMultimediaTimer.h"

namespace lumo {

Hare::Hare(QWidget &table, CreatureHost &host, QObject *owner) : QObject(owner), FHost(host)
{
    i_hase = new CreaturePicture(QStringLiteral("i_hase"), CreaturePicture::Input::Catchable, &table);
    i_hase->Place(Left, DownTop, CreatureArt::Hare);
    i_hase->setCursor(Qt::PointingHandCursor);
    // Hints are kept as tool tips; the bird's balloon shows them.
    i_hase->setToolTip(QStringLiteral("Fang doch den Hasen!"));
    connect(i_hase, &CreaturePicture::clicked, this, [this] { i_haseClick(); });
    connect(i_hase, &CreaturePicture::pointerMoved, this, [this] { FHost.PointerMoved(i_hase); });

    t_hase = new TCKMultimediaTimer(this);
    t_hase->SetEnabled(false);
    t_hase->SetInterval(3000);
    t_hase->SetOnTimer([this](TCKMultimediaTimer *) { t_haseTimer(); });
}

bool Hare::Up() const
{
    return i_hase->Tag() == 1;
}

void Hare::t_haseTimer()
{
    if (i_hase->y() == DownTop && i_hase->Tag() == 0) {
        i_hase->SetTag(1);
        i_hase->Place(i_hase->x(), UpTop, i_hase->Picture());
    } else {
        i_hase->SetTag(0);
        i_hase->Place(i_hase->x(), DownTop, i_hase->Picture());
    }
    if (i_hase->isEnabled())
        i_hase->raise();
}

void Hare::i_haseClick()
{
    if (!FHost.Ready())
        return;
    FHost.AddPoints(CatchPoints);
    // It ducks at once; its timer runs on, so it may come up again soon.
    i_hase->SetTag(0);
    i_hase->Place(i_hase->x(), DownTop, i_hase->Picture());
    if (FHost.SoundOn())
        FHost.PlayTone(800, 20, 20);
}

void Hare::SwitchOn()
{
    i_hase->SetTag(0);
    i_hase->Place(Left, DownTop, i_hase->Picture());
    i_hase->show();
    t_hase->SetEnabled(true);
}

void Hare::SwitchOff()
{
    t_hase->SetEnabled(false);
    i_hase->hide();
}

} // namespace lumo
