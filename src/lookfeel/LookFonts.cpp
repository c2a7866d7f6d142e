#include "lookfeel/LookFonts.h"

#include <QStringList>

namespace lumo {

namespace {

QFont SansFace()
{
    QFont font;
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans"),
                      QStringLiteral("Sans Serif")});
    font.setStyleHint(QFont::SansSerif);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

} // namespace

QFont LookFonts::Dialog(int pointSize, bool bold)
{
    QFont font = SansFace();
    font.setPointSize(pointSize);
    font.setBold(bold);
    return font;
}

QFont LookFonts::GlassCaption(int pointSize)
{
    return Dialog(pointSize, true);
}

QFont LookFonts::ArialPixels(int pixelSize, bool bold)
{
    QFont font = SansFace();
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

} // namespace lumo
