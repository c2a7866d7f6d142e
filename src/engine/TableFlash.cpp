#include "engine/TableFlash.h"

#include "engine/EngineContext.h"

#include <algorithm>

namespace lumo {

namespace {
std::uint32_t Brighten(std::uint32_t x)
{
    // x * 355 / 255 rounded to the nearest integer.
    return std::min<std::uint32_t>(255, (x * 355 + 127) / 255);
}
} // namespace

BgrColor BrightenColor(BgrColor color)
{
    const std::uint32_t r = Brighten(color.value & 0xFF);
    const std::uint32_t g = Brighten((color.value >> 8) & 0xFF);
    const std::uint32_t b = Brighten((color.value >> 16) & 0xFF);
    return BgrColor{r | (g << 8) | (b << 16)};
}

void TableFlash::FlashTable()
{
    EngineContext& c = context_;
    BgrColor color = kTableEndColor;
    // Compared as plain integers, as the colour values have always been.
    while (color.value < kTableStartColor.value) {
        color = BrightenColor(color);
        c.board.tableEndColor = color;
        c.host.RepaintTable();
        c.host.SleepWithoutEvents(kFlashMs);
    }
    c.board.tableEndColor = kTableEndColor;
    c.host.RepaintTable();
}

} // namespace lumo
