#include "persistence/SettingsText.h"

#include <algorithm>

namespace lumo {

namespace {

constexpr std::string_view kGeneral = "[General]";

std::vector<std::string_view> Lines(std::string_view text)
{
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) {
            lines.push_back(text.substr(start));
            return lines;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
}

std::string_view Trimmed(std::string_view text)
{
    while (!text.empty() && static_cast<unsigned char>(text.front()) <= 32)
        text.remove_prefix(1);
    while (!text.empty() && static_cast<unsigned char>(text.back()) <= 32)
        text.remove_suffix(1);
    return text;
}

bool IsSectionLine(std::string_view trimmed)
{
    return trimmed.size() >= 2 && trimmed.front() == '[' && trimmed.back() == ']';
}

// The key of a "key=value" line, or nothing for comments and other lines.
std::optional<std::string_view> KeyOf(std::string_view trimmed)
{
    if (trimmed.empty() || trimmed.front() == ';' || trimmed.front() == '#')
        return std::nullopt;
    const std::size_t equals = trimmed.find('=');
    if (equals == std::string_view::npos)
        return std::nullopt;
    return Trimmed(trimmed.substr(0, equals));
}

std::optional<bool> SwitchOf(std::string_view value)
{
    value = Trimmed(value);
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
        value = value.substr(1, value.size() - 2);
    bool negative = false;
    if (!value.empty() && (value.front() == '-' || value.front() == '+')) {
        negative = value.front() == '-';
        value.remove_prefix(1);
    }
    if (value.empty() || value.size() > 12)
        return std::nullopt;
    long long number = 0;
    for (char c : value) {
        if (c < '0' || c > '9')
            return std::nullopt;
        number = number * 10 + (c - '0');
    }
    if (negative)
        number = -number;
    if (number < -2147483648LL || number > 4294967295LL)
        return std::nullopt;
    return number != 0;
}

// Walks the lines and tells for each whether it lies in the general section.
template <typename Visit> void ForEachLine(const std::vector<std::string_view> &lines, Visit visit)
{
    bool general = true;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string_view trimmed = Trimmed(lines[i]);
        if (IsSectionLine(trimmed)) {
            general = trimmed == kGeneral;
            continue;
        }
        if (general)
            visit(i, trimmed);
    }
}

} // namespace

std::optional<bool> ReadSettingsSwitch(std::string_view text, std::string_view key)
{
    std::optional<bool> result;
    ForEachLine(Lines(text), [&](std::size_t, std::string_view trimmed) {
        if (KeyOf(trimmed) == key)
            result = SwitchOf(trimmed.substr(trimmed.find('=') + 1));
    });
    return result;
}

std::string WriteSettingsSwitches(std::string_view text, const std::vector<SettingsSwitch> &switches)
{
    const std::vector<std::string_view> lines = Lines(text);
    std::vector<std::string> out(lines.begin(), lines.end());
    std::vector<bool> found(switches.size(), false);
    ForEachLine(lines, [&](std::size_t i, std::string_view trimmed) {
        const auto key = KeyOf(trimmed);
        for (std::size_t s = 0; key && s < switches.size(); ++s) {
            if (*key == switches[s].key) {
                out[i] = switches[s].key + (switches[s].on ? "=1" : "=0");
                found[s] = true;
            }
        }
    });

    std::vector<std::string> missing;
    for (std::size_t s = 0; s < switches.size(); ++s) {
        if (!found[s])
            missing.push_back(switches[s].key + (switches[s].on ? "=1" : "=0"));
    }
    const auto header = std::find_if(
        lines.begin(), lines.end(), [](std::string_view line) { return Trimmed(line) == kGeneral; });
    if (header != lines.end()) {
        out.insert(out.begin() + (header - lines.begin()) + 1, missing.begin(), missing.end());
    } else if (!missing.empty()) {
        std::vector<std::string> top{std::string(kGeneral)};
        top.insert(top.end(), missing.begin(), missing.end());
        // A blank line before what followed, as QSettings sets sections apart.
        top.emplace_back();
        if (!Trimmed(text).empty())
            top.insert(top.end(), out.begin(), out.end());
        out = std::move(top);
    }
    std::string result;
    for (std::size_t i = 0; i < out.size(); ++i) {
        if (i > 0)
            result += '\n';
        result += out[i];
    }
    if (!result.empty() && result.back() != '\n')
        result += '\n';
    return result;
}

} // namespace lumo
