#pragma once
// The card pictures by name, rendered from the embedded SVG art and cached.
//
// Names: "F0".."F53" faces (F0 black joker, F1..F52 suit * 13 + value, F53 red
// joker), "B0" and "B1" backs, "T0" the blank card, "MASK" the corner mask.
// Every picture but MASK comes with its corners cut as MASK says (transparent).
// A picture is rendered once per name, size, device pixel ratio and inversion;
// later calls return the cached pixmap, so painting a card never parses SVG.
// Use from the GUI thread only (QPixmap).

#include <QPixmap>
#include <QSize>
#include <QString>
#include <QStringList>

namespace lumo {

class CardArt {
public:
    // Slots 0..53 are the faces, then the backs, the blank card and the mask.
    static constexpr int FaceSlot = 0;
    static constexpr int BackSlot = 54;
    static constexpr int ToolSlot = 56;
    static constexpr int MaskSlot = 57;
    static constexpr int SlotCount = 58;

    // The picture for a name; a null pixmap for an unknown name. The pixmap has
    // logicalSize * dpr device pixels and carries dpr as its device pixel ratio.
    static QPixmap Picture(const QString &name, QSize logicalSize = QSize(71, 96),
                           qreal dpr = 1.0, bool inverted = false);
    static QPixmap Picture(int slot, QSize logicalSize, qreal dpr, bool inverted);

    // Slot of a picture name, -1 for an unknown name.
    static int SlotOf(const QString &name);
    static QString NameOf(int slot);

    // The 57 card pictures in slot order (F0..F53, B0, B1, T0), without MASK.
    static QStringList CardNames();

    // Forgets every rendered picture (the next call renders again).
    static void ClearCache();
    static int CachedCount();
};

} // namespace lumo
