#include "online/ProfileText.h"

#include "common/TextHelpers.h"

#include <charconv>

namespace lumo {

namespace {

char Lower(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameName(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (Lower(a[i]) != Lower(b[i]))
            return false;
    }
    return true;
}

std::string Unquoted(std::string value)
{
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'')
        && value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

} // namespace

std::optional<std::string> ReadProfileString(std::string_view text, std::string_view section,
                                             std::string_view key)
{
    bool inSection = false;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = text.find_first_of("\r\n", pos);
        if (end == std::string_view::npos)
            end = text.size();
        const std::string line = Trim(text.substr(pos, end - pos));
        pos = end;
        if (pos < text.size() && text[pos] == '\r')
            ++pos;
        if (pos < text.size() && text[pos] == '\n')
            ++pos;

        if (line.empty() || line.front() == ';')
            continue;
        if (line.front() == '[') {
            const std::size_t close = line.find(']');
            inSection = close != std::string::npos
                && SameName(Trim(std::string_view(line).substr(1, close - 1)), section);
            continue;
        }
        if (!inSection)
            continue;
        const std::size_t equals = line.find('=');
        if (equals == std::string::npos)
            continue;
        if (SameName(Trim(std::string_view(line).substr(0, equals)), key))
            return Unquoted(Trim(std::string_view(line).substr(equals + 1)));
    }
    return std::nullopt;
}

std::optional<int> ParseProfileInteger(std::string_view value)
{
    if (!value.empty() && value.front() == '+') {
        value.remove_prefix(1);
        if (!value.empty() && value.front() == '-')
            return std::nullopt;
    }
    if (value.empty())
        return std::nullopt;
    int result = 0;
    const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), result);
    if (error != std::errc() || end != value.data() + value.size())
        return std::nullopt;
    return result;
}

} // namespace lumo
