#pragma once
// Renders SVG resources into pixmaps, crisp at the screen's device pixel ratio.
// Every (path, element, size, ratio) is parsed and drawn once; later calls return
// the cached pixmap (same cacheKey), so painting never parses SVG.

#include <QPixmap>
#include <QSize>
#include <QString>

namespace lumo {

class SvgArt {
public:
    // The pixmap has logicalSize x dpr device pixels and that device pixel ratio.
    // An empty elementId draws the whole document. A missing file or element
    // yields a transparent pixmap of the requested size.
    static QPixmap Render(const QString &path, QSize logicalSize, qreal dpr,
                          const QString &elementId = QString());
    // Same, at the device pixel ratio of the primary screen.
    static QPixmap Render(const QString &path, QSize logicalSize);
    static void ClearCache();
    static int CachedCount();
};

} // namespace lumo
