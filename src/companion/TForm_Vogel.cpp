#include "companion/TForm_Vogel.h"

#include "companion/AnimatedPicture.h"
#include "companion/CompanionArt.h"
#include "companion/MessageDialog.h"
#include "companion/TAugen.h"
#include "companion/TBalloonControl.h"
#include "lookfeel/LookColors.h"
#include "common/QtTextHelpers.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QScreen>

#include <exception>

namespace lumo {

namespace {

// Waits at least the given time, processing events at least once.
void WaitProcessing(int milliseconds)
{
    QElapsedTimer clock;
    clock.start();
    do {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    } while (clock.elapsed() < milliseconds);
}

QRect ScreenArea(const QWidget *widget)
{
    const QScreen *screen = widget->screen();
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry() : QRect(0, 0, 800, 600);
}

} // namespace

TForm_Vogel::TForm_Vogel(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("TForm_Vogel"));
    // Only the bird's shape shows: transparent where a compositor blends, cut
    // out by the mask where none does.
    setAttribute(Qt::WA_TranslucentBackground);
    setFixedSize(CompanionArt::BirdSize);
    setMask(CompanionArt::BirdMask(CompanionArt::BirdSize));

    FVogel = CompanionArt::MakeBird(this);
    FVogel->setGeometry(0, 0, width(), height());
    FVogel->setCursor(Qt::PointingHandCursor);

    FAugen = new TAugen(this);
    FAugen->SetBounds(16, 2, 25, 17);
    FAugen->SetPupilColor(LookColors::FrameBlue());
    FAugen->setCursor(Qt::PointingHandCursor);

    bh_1 = new TBalloonControl(this);
    bh_1->Duration = 0;
    bh_1->BalloonType = blnInfo;

    // Until the first showing centres it, the top-left corner sits at the
    // screen's centre.
    const QRect screen = ScreenArea(this);
    move(screen.left() + screen.width() / 2, screen.top() + screen.height() / 2);
}

TForm_Vogel::~TForm_Vogel()
{
    // The bird's balloon goes with it.
    bh_1->CloseAllBalloons();
}

void TForm_Vogel::SetWaveOutputPresent(std::function<bool()> present)
{
    FWaveOutputPresent = std::move(present);
}

void TForm_Vogel::SetGreetingPlayer(std::function<bool()> play)
{
    FPlayGreeting = std::move(play);
}

void TForm_Vogel::showEvent(QShowEvent *event)
{
    if (!FCentred) {
        FCentred = true;
        const QRect screen = ScreenArea(this);
        move(std::max(screen.left(), screen.left() + (screen.width() - width()) / 2),
             std::max(screen.top(), screen.top() + (screen.height() - height()) / 2));
    }
    QWidget::showEvent(event);
    raise();
    activateWindow();
}

void TForm_Vogel::Say(const QString &text, bool withSound)
{
    if (!isVisible() || !isEnabled())
        return;
    if (Trim(text).isEmpty()) {
        bh_1->CloseAllBalloons();
        return;
    }
    bh_1->CloseAllBalloons();
    bh_1->Title = text.startsWith(QStringLiteral("Tipp")) ? QStringLiteral("Info") : QString();

    const QRect screen = ScreenArea(this);
    const int pictureMiddle = CompanionArt::BirdSize.width() / 2;
    const int left = x();
    bh_1->PixelCoordinateY = y();
    if (left - screen.left() >= screen.width() / 2) {
        bh_1->Position = blnArrowTopLeft;
        bh_1->PixelCoordinateX = left + pictureMiddle - 10;
    } else {
        bh_1->Position = blnArrowTopRight;
        bh_1->PixelCoordinateX = left + pictureMiddle + 10;
    }
    bh_1->Text = QStringList{text};
    bh_1->ShowBalloon();
    Grin();

    if (withSound && FWaveOutputPresent && FWaveOutputPresent() && FPlayGreeting) {
        bool played = true;
        try {
            played = FPlayGreeting();
        } catch (const std::exception &) {
            // Any other trouble while playing is not worth a message.
        }
        if (!played)
            ShowInfo(QStringLiteral("Ressourcenfehler!"), QString(), true);
    }
}

void TForm_Vogel::Grin()
{
    WaitProcessing(1);
    raise();
    for (int i = 0; i < 2; ++i) {
        FVogel->Restart();
        WaitProcessing(100);
    }
    QCoreApplication::processEvents();
}

} // namespace lumo
