#include "companion/FadeLevels.h"

namespace lumo {

std::vector<int> FadeLevels(bool fadeIn, int step, int maxAlpha)
{
    std::vector<int> levels;
    int counter = 1;
    auto visit = [&](int level) {
        if (counter == step) {
            levels.push_back(level & 0xFF);
            counter = 1;
        }
        ++counter;
    };
    if (fadeIn) {
        for (int level = 1; level <= maxAlpha; ++level)
            visit(level);
        levels.push_back(maxAlpha & 0xFF);
    } else {
        for (int level = maxAlpha; level >= 1; --level)
            visit(level);
    }
    return levels;
}

} // namespace lumo
