#include "companion/BalloonGeometry.h"

namespace lumo {

bool BalloonArrowAtTop(TBalloonPosition position)
{
    return position == blnArrowBottomLeft || position == blnArrowBottomRight;
}

BalloonLayout LayoutBalloon(int x, int y, TBalloonPosition position, const BalloonMeasures &m)
{
    const int arrow = kBalloonArrowSize;
    BalloonLayout l;
    l.arrowAtTop = BalloonArrowAtTop(position);
    const int shift = l.arrowAtTop ? arrow : 0;

    l.title = {34, 12 + shift, m.titleWidth, m.titleHeight};
    const int textTop = m.titleEmpty ? l.title.top : l.title.top + l.title.height + 8;
    l.text = {10, textTop, m.textWidth, m.textHeight};
    l.icon = {10, 10 + shift, 16, 16};
    l.showIcon = !m.titleEmpty;

    l.height = l.text.top + l.text.height + 10 + (l.arrowAtTop ? 0 : arrow);
    const int titleRight = l.title.left + l.title.width;
    const int textRight = l.text.left + l.text.width;
    l.width = (titleRight > textRight ? titleRight : textRight) + 10;

    const int w = l.width;
    const int h = l.height;
    switch (position) {
    case blnArrowTopLeft:
        l.left = x - (w - arrow);
        l.top = y - h;
        l.bodyX1 = 0, l.bodyY1 = 0, l.bodyX2 = w, l.bodyY2 = h - 18;
        l.triangle = {{{w - 40, h - 20}, {w - 20, h}, {w - 20, h - 20}}};
        l.tipIndex = 1;
        break;
    case blnArrowTopRight:
        l.left = x - arrow;
        l.top = y - h;
        l.bodyX1 = 0, l.bodyY1 = 0, l.bodyX2 = w, l.bodyY2 = h - 18;
        l.triangle = {{{20, h - 20}, {20, h}, {40, h - 20}}};
        l.tipIndex = 1;
        break;
    case blnArrowBottomLeft:
        l.left = x - (w - arrow);
        l.top = y - 2;
        l.bodyX1 = 0, l.bodyY1 = 22, l.bodyX2 = w, l.bodyY2 = h;
        l.triangle = {{{w - 20, 2}, {w - 20, 22}, {w - 40, 22}}};
        l.tipIndex = 0;
        break;
    case blnArrowBottomRight:
    default:
        l.left = x - arrow;
        l.top = y - 2;
        l.bodyX1 = 0, l.bodyY1 = 22, l.bodyX2 = w, l.bodyY2 = h;
        l.triangle = {{{20, 2}, {20, 22}, {40, 22}}};
        l.tipIndex = 0;
        break;
    }
    return l;
}

} // namespace lumo
