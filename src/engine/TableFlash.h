#pragma once
// Lights the table up green three times when no move is left.

#include "engine/BgrColor.h"

namespace lumo {

struct EngineContext;

// Each of red, green and blue x becomes x + x * 100 / 255, rounded, at most 255.
BgrColor BrightenColor(BgrColor color);

class TableFlash {
public:
    static constexpr int kFlashMs = 150;

    explicit TableFlash(EngineContext& context) : context_(context) {}

    void FlashTable();

private:
    EngineContext& context_;
};

} // namespace lumo
