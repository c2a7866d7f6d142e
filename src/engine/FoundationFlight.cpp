#include "engine/FoundationFlight.h"

#include "engine/BoardGeometry.h"
#include "engine/CardFace.h"
#include "engine/EngineContext.h"

#include <algorithm>
#include <cstdlib>

namespace lumo {

void FoundationFlight::FlyToFoundation(int card)
{
    EngineContext& c = context_;
    c.state.ready = false;
    const bool activated = c.host.MainWindowActivated();
    if (activated) {
        c.ShowWaitCursor(true);
        c.host.SetApplicationHint(CardName(card) + " aufgedeckt.\r\nKarte wird nach\r\noben verschoben.");
    }
    const int foundation = FoundationOfCard(card);
    const int imageLeft = FoundationLeft(foundation);
    CardView& view = c.board.Card(card);
    view.visible = true;
    view.enabled = true;
    if (!c.state.quietStart)
        Fly(card, imageLeft + kCardInsetX, kFoundationTop);
    view.left = imageLeft + kCardInsetX;
    view.top = kFoundationTop + kCardInsetY;
    c.host.RepaintCard(card);
    if (activated)
        c.ShowWaitCursor(false);
    c.state.ready = true;
}

void FoundationFlight::Fly(int card, int targetLeft, int imageTop)
{
    EngineContext& c = context_;
    CardView& view = c.board.Card(card);
    c.board.BringCardToFront(card);
    // Sideways: up to 30 pixels per frame, stopping on arrival.
    const int direction = view.left > targetLeft ? -1 : 1;
    while (view.left != targetLeft && (targetLeft - view.left) * direction > 0) {
        const int step = std::min(kSidewaysStep, std::abs(targetLeft - view.left));
        view.left += direction * step;
        c.host.RepaintCard(card);
        c.host.PresentFrame();
    }
    // Upwards: 24 pixels per frame, 8 for the last bit.
    while (view.top > imageTop + 17) {
        if (view.top > imageTop + kUpwardStep)
            view.top -= kUpwardStep;
        else if (view.top > imageTop + kLastUpwardStep)
            view.top -= kLastUpwardStep;
        c.host.RepaintCard(card);
        c.host.PresentFrame();
    }
}

} // namespace lumo
