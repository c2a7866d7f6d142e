#pragma once
// The three best results: reading them from the high-score file's bytes,
// their display texts, the place a new score earns and the file that saving
// it produces. Qt-free; the file access lives in HighScoreStore.

#include "persistence/HighScoreEntry.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace lumo {

class HighScoreList {
public:
    static constexpr int kSize = 3;
    using Entries = std::array<HighScoreEntry, kSize>;

    // Reads the file content (scrambled bytes, usually followed by CR LF).
    // Empty content empties all entries; otherwise only the lines the text
    // supplies replace their entries, the others keep what they held. The
    // entries are then sorted by points.
    void Load(std::string_view fileBytes);

    const Entries &entries() const { return m_entries; }
    void setEntries(const Entries &entries) { m_entries = entries; }

    // The three display columns, lines separated by "\r\n".
    std::string NamesText() const;
    std::string DatesText() const;
    std::string PointsColumnText() const;

    // The place (1..3) a game with these points earns: the first entry with
    // strictly fewer points. 0 when nothing is earned, always so for points <= 0.
    int PlaceFor(std::int32_t points) const;

    // The new file content after inserting (points, name, date) at place 1..3;
    // the old last entry drops out. nullopt when the trimmed name is empty or
    // the place is out of range. The entries in memory stay unchanged.
    std::optional<std::string> SaveBytes(std::string_view name, int place,
                                         std::int32_t points,
                                         std::string_view date) const;

    // The file content for a plain text: scrambled, followed by CR LF.
    static std::string FileBytes(std::string_view plainText);

private:
    void ParseLine(std::string_view line, HighScoreEntry &entry);
    void Sort();

    Entries m_entries{};
};

} // namespace lumo
