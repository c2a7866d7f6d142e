#pragma once
// The balloon's enumerations, shared by the pure layout and the window.

namespace lumo {

enum TBalloonType { blnInfo, blnError, blnWarning };
enum TBalloonHoriz { blnLeft, blnMiddle, blnRight };
enum TBalloonVert { blnTop, blnCenter, blnBottom };
// "Top"/"Bottom" name the side of the point the bubble lies on; "Left"/"Right"
// the direction in which it extends from the arrow.
enum TBalloonPosition { blnArrowTopLeft, blnArrowTopRight, blnArrowBottomLeft, blnArrowBottomRight };

} // namespace lumo
