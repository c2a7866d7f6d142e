#include "shell/CrashLog.h"

namespace lumo {

void CrashLog::Append(const std::vector<std::string> &lines)
{
    FLines.insert(FLines.end(), lines.begin(), lines.end());
}

std::string CrashLog::Text() const
{
    std::string text;
    for (const std::string &line : FLines) {
        text += line;
        text += "\r\n";
    }
    return text;
}

} // namespace lumo
