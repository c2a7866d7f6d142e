#include "persistence/HighScoreText.h"

#include <charconv>

namespace lumo {

std::string PointsText(std::int32_t points)
{
    return points > 0 ? std::to_string(points) : std::string();
}

std::string ShortDate(std::string_view date)
{
    std::string result(date.substr(0, 6));
    if (date.size() > 8)
        result.append(date.substr(8, 2));
    return result;
}

std::optional<std::int32_t> ParseInt32(std::string_view text)
{
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    if (text.empty() || text.front() == '+')
        return std::nullopt;
    std::int32_t value = 0;
    const char *end = text.data() + text.size();
    const auto [ptr, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc() || ptr != end)
        return std::nullopt;
    return value;
}

} // namespace lumo
