#include "persistence/HighScoreList.h"

#include "persistence/HighScoreText.h"
#include "persistence/ScrambleText.h"
#include "common/TextHelpers.h"

#include <utility>

namespace lumo {

namespace {

constexpr char kCr = '\r';
constexpr const char *kLineBreak = "\r\n";

std::string LineOf(std::int32_t points, std::string_view name, std::string_view date)
{
    std::string line = std::to_string(points);
    line += ';';
    line += name;
    line += ';';
    line += date;
    line += kCr;
    return line;
}

} // namespace

void HighScoreList::Load(std::string_view fileBytes)
{
    std::string data = Trim(fileBytes);
    if (!data.empty())
        data = ScrambleText(data);
    if (Trim(data).empty()) {
        m_entries = Entries{};
        Sort();
        return;
    }

    // A CR ends a line; bytes up to 32 vanish wherever they stand, blanks
    // inside names included. Whatever follows the last CR is always the third
    // line, so a text with more lines gives its last one to entry 2.
    std::array<std::optional<std::string>, kSize> lines;
    int counter = -1;
    std::string collector;
    for (char c : data) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == kCr) {
            ++counter;
            if (counter >= 0 && counter < kSize)
                lines[static_cast<std::size_t>(counter)] = collector;
            collector.clear();
        } else if (byte > 32) {
            collector += c;
        }
    }
    if (!collector.empty())
        lines[kSize - 1] = collector;

    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i])
            ParseLine(*lines[i], m_entries[i]);
    }
    Sort();
}

void HighScoreList::ParseLine(std::string_view line, HighScoreEntry &entry)
{
    std::string rest = Trim(line);
    int field = 1;
    while (!rest.empty()) {
        const std::size_t separator = rest.find(';');
        if (field == 1) {
            // Without a separator the number is empty, hence 0, and the whole
            // rest goes on to become the name.
            const std::string_view number =
                separator == std::string::npos ? std::string_view()
                                               : std::string_view(rest).substr(0, separator);
            entry.points = ParseInt32(number).value_or(0);
            if (separator != std::string::npos)
                rest.erase(0, separator + 1);
            field = 2;
        } else if (field == 2) {
            if (separator != std::string::npos) {
                entry.name = rest.substr(0, separator);
                rest.erase(0, separator + 1);
            } else {
                entry.name = rest;
                rest.clear();
            }
            field = 3;
        } else {
            entry.date = rest;
            rest.clear();
        }
    }
}

void HighScoreList::Sort()
{
    // Three compare-and-exchange steps; equal points never move.
    static constexpr std::pair<int, int> kSteps[] = {{0, 1}, {0, 2}, {1, 2}};
    for (const auto &[a, b] : kSteps) {
        if (m_entries[a].points < m_entries[b].points)
            std::swap(m_entries[a], m_entries[b]);
    }
}

std::string HighScoreList::NamesText() const
{
    std::string text = "Bestenliste:\r\nName:";
    for (const HighScoreEntry &entry : m_entries)
        text += kLineBreak + entry.name;
    return text;
}

std::string HighScoreList::DatesText() const
{
    std::string text = "\r\nDatum:";
    for (const HighScoreEntry &entry : m_entries)
        text += kLineBreak + ShortDate(entry.date);
    return text;
}

std::string HighScoreList::PointsColumnText() const
{
    std::string text = "\r\nPunkte:";
    for (const HighScoreEntry &entry : m_entries)
        text += kLineBreak + PointsText(entry.points);
    return text;
}

int HighScoreList::PlaceFor(std::int32_t points) const
{
    if (points <= 0)
        return 0;
    for (int i = 0; i < kSize; ++i) {
        if (m_entries[static_cast<std::size_t>(i)].points < points)
            return i + 1;
    }
    return 0;
}

std::optional<std::string> HighScoreList::SaveBytes(std::string_view name, int place,
                                                    std::int32_t points,
                                                    std::string_view date) const
{
    const std::string trimmedName = Trim(name);
    if (trimmedName.empty() || place < 1 || place > kSize)
        return std::nullopt;

    std::array<std::string, kSize> lines;
    for (std::size_t i = 0; i < lines.size(); ++i)
        lines[i] = LineOf(m_entries[i].points, m_entries[i].name, m_entries[i].date);

    const std::string added = LineOf(points, trimmedName, date);
    if (place == 1) {
        lines[2] = lines[1];
        lines[1] = lines[0];
        lines[0] = added;
    } else if (place == 2) {
        lines[2] = lines[1];
        lines[1] = added;
    } else {
        lines[2] = added;
    }
    return FileBytes(lines[0] + lines[1] + lines[2]);
}

std::string HighScoreList::FileBytes(std::string_view plainText)
{
    // Scrambling trims, which drops the CR after the last line.
    return ScrambleText(plainText) + kLineBreak;
}

} // namespace lumo
