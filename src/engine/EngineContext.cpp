#include "engine/EngineContext.h"

namespace lumo {

bool EngineContext::SoundOn() const
{
    return !state.quietStart && host.WaveOutputPresent() && host.SoundSwitchOn();
}

void EngineContext::ShowWaitCursor(bool on)
{
    board.waitCursor = on;
    host.SetWaitCursor(on);
}

void EngineContext::SetStatusText(const std::string& text)
{
    board.status.text = text;
}

PileSnapshot EngineContext::Piles() const
{
    PileSnapshot piles;
    for (int p = 1; p <= kPileCount; ++p)
        for (int i = 1; i <= state.pileCount[p]; ++i)
            piles[static_cast<std::size_t>(p - 1)].push_back(state.pileCards[p][i]);
    return piles;
}

} // namespace lumo
