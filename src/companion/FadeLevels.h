#pragma once
// The alpha values a window passes through when it fades. Qt-free.

#include <vector>

namespace lumo {

// Levels run 1..maxAlpha (in) or maxAlpha..1 (out); the step-th level is set
// first and then every (step - 1)-th, the last level of a fade-in always.
// Fading out 255 with step 5 gives 251, 247, ..., 3.
std::vector<int> FadeLevels(bool fadeIn, int step, int maxAlpha);

} // namespace lumo
