#pragma once
// Resource paths and logical sizes of the table art (SVG, drawn through SvgArt).

#include "engine/BoardGeometry.h"

#include <QSize>

namespace lumo::TableArt {

inline constexpr char PileFrame[] = ":/table/pile_frame.svg";
inline constexpr char PileFrameHighlighted[] = ":/table/pile_frame_highlight.svg";
// Foundations 1..4 show Karo, Herz, Pik, Kreuz.
inline constexpr char FoundationKaro[] = ":/table/foundation_karo.svg";
inline constexpr char FoundationHerz[] = ":/table/foundation_herz.svg";
inline constexpr char FoundationPik[] = ":/table/foundation_pik.svg";
inline constexpr char FoundationKreuz[] = ":/table/foundation_kreuz.svg";
inline constexpr char ReshuffleGo[] = ":/table/bild_go.svg";
inline constexpr char ReshuffleStop[] = ":/table/bild_stop.svg";
// Title-bar buttons; hover and pressed looks are derived by ImageButton.
inline constexpr char TitleHelp[] = ":/table/title_help.svg";
inline constexpr char TitleUpdate[] = ":/table/title_update.svg";
inline constexpr char TitleMinimize[] = ":/table/title_minimize.svg";
inline constexpr char TitleClose[] = ":/table/title_close.svg";

inline constexpr QSize FrameSize{kFrameWidth, kFrameHeight};
inline constexpr QSize ReshuffleGoSize{78, 76};
inline constexpr QSize ReshuffleStopSize{79, 76};
inline constexpr QSize TitleButtonSize{25, 25};

// Foundation f (1..4) -> its picture; nullptr outside 1..4.
inline const char *FoundationPicture(int f)
{
    switch (f) {
    case 1: return FoundationKaro;
    case 2: return FoundationHerz;
    case 3: return FoundationPik;
    case 4: return FoundationKreuz;
    default: return nullptr;
    }
}

} // namespace lumo::TableArt
