#include "common/TextHelpers.h"

namespace lumo {

namespace {
bool IsTrimmed(unsigned char c) { return c <= 32; }
} // namespace

std::string Trim(std::string_view text)
{
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && IsTrimmed(static_cast<unsigned char>(text[begin])))
        ++begin;
    while (end > begin && IsTrimmed(static_cast<unsigned char>(text[end - 1])))
        --end;
    return std::string(text.substr(begin, end - begin));
}

std::string RepeatText(std::string_view text, int count)
{
    std::string result;
    if (text.empty() || count < 2)
        return result;
    result.reserve(text.size() * static_cast<std::size_t>(count - 1));
    for (int i = 1; i < count; ++i)
        result.append(text);
    return result;
}

} // namespace lumo
