#include "FakeGameHost.h"

#include "engine/BoardGeometry.h"

namespace lumo::test {

void FakeGameHost::Delay(int milliseconds)
{
    delays.push_back(milliseconds);
    if (onDelay)
        onDelay();
}

void FakeGameHost::RepaintTable() { ++tableRepaints; }

void FakeGameHost::RepaintCard(int card)
{
    if (cardReader)
        cardRepaints.push_back(cardReader(card));
}

void FakeGameHost::PresentFrame()
{
    presentedFrames.push_back(cardRepaints.empty() ? CardFrame{0, 0, 0} : cardRepaints.back());
}

void FakeGameHost::PointAtPile(int pile)
{
    pointer = {PileFrameLeft(pile) + kFrameWidth / 2, PileFrameTop(pile) + kFrameHeight / 2};
}

} // namespace lumo::test
