#pragma once
// The program's fonts, mapped onto faces every Debian desktop has. Liberation
// Sans shares Arial's metrics, which keeps captions inside their fixed-size
// buttons; DejaVu Sans is the fallback.

#include <QFont>

namespace lumo {

class LookFonts {
public:
    // Stands in for the classic 8/10 pt dialog face.
    static QFont Dialog(int pointSize, bool bold);
    // Stands in for the bold face of the glass buttons.
    static QFont GlassCaption(int pointSize = 10);
    // Arial-like face given by its pixel height (menu entries, title label).
    static QFont ArialPixels(int pixelSize, bool bold);
};

} // namespace lumo
