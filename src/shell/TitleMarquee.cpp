#include "shell/TitleMarquee.h"

#include "shell/Marquee.h"
#include "shell/X11TitleWriter.h"

#include <QWidget>

namespace lumo {

TitleMarquee::TitleMarquee(QWidget &window, const QString &captionText)
    : FWindow(window), FCaptionText(captionText), FMarquee(captionText.toStdU32String())
{
}

QString TitleMarquee::MarqueeText() const
{
    return QString::fromStdU32String(FMarquee);
}

void TitleMarquee::Tick()
{
    // The task bar shows the window title.
    if (FX11.Available())
        FX11.Write(FWindow, MarqueeText());
    else
        FWindow.setWindowTitle(MarqueeText());
    FMarquee = RotateMarquee(FMarquee);
}

} // namespace lumo
