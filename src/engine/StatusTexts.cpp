#include "engine/StatusTexts.h"

namespace lumo {

std::string ReshufflesLeftText(int remaining)
{
    if (remaining <= 0)
        return "Du darfst jetzt\r\nnicht mehr mischen";
    return "Du darfst noch\r\n" + std::to_string(remaining) + " mal mischen";
}

} // namespace lumo
