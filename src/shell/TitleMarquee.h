#pragma once
// The task bar title: the window caption running from right to left, one
// character per title tick, with the caption's trailing blank as the gap.

#include "shell/X11TitleWriter.h"

#include <QString>

#include <string>

class QWidget;

namespace lumo {

class TitleMarquee {
public:
    TitleMarquee(QWidget &window, const QString &captionText);

    QString CaptionText() const { return FCaptionText; }
    // What the next tick shows.
    QString MarqueeText() const;

    // The window title shows the marquee text, which then moves on by one.
    void Tick();

private:
    QWidget &FWindow;
    QString FCaptionText;
    std::u32string FMarquee;
    X11TitleWriter FX11;
};

} // namespace lumo
