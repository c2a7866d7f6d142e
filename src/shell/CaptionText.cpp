#include "shell/CaptionText.h"

namespace lumo {

std::string MakeCaptionText(int currentYear)
{
    return "Lumo \xC2\xA9 2003/" + std::to_string(currentYear) + " vemu ";
}

} // namespace lumo
