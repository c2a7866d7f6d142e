#pragma once
// The window caption: product name, the holder's notice and one trailing blank.

#include <string>

namespace lumo {

// "Lumo © 2003/<year> vemu " (UTF-8). The trailing blank is the gap the
// scrolling task bar title shows between two runs of the text.
std::string MakeCaptionText(int currentYear);

} // namespace lumo
