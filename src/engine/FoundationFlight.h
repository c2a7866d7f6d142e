#pragma once
// A filed card's flight from its pile up to the foundation of its suit:
// 30 px steps sideways, then 24 px steps upwards with a last step of 8,
// each step repainted at once and shown for about one display frame, so the
// card is seen flying. No flight during the silent first deal.

namespace lumo {

struct EngineContext;

class FoundationFlight {
public:
    static constexpr int kSidewaysStep = 30;
    static constexpr int kUpwardStep = 24;
    static constexpr int kLastUpwardStep = 8;

    explicit FoundationFlight(EngineContext& context) : context_(context) {}

    void FlyToFoundation(int card);

private:
    void Fly(int card, int targetLeft, int targetTop);

    EngineContext& context_;
};

} // namespace lumo
