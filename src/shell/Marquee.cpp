#include "shell/Marquee.h"

namespace lumo {

std::u32string RotateMarquee(const std::u32string &text)
{
    if (text.size() < 2)
        return text;
    return text.substr(1) + text.front();
}

} // namespace lumo
