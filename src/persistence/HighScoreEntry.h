#pragma once
// One line of the high-score list. Name and date are held as the file's bytes
// (Windows-1252), so that the list's byte rules apply to them unchanged.

#include <cstdint>
#include <string>

namespace lumo {

struct HighScoreEntry {
    std::int32_t points = 0;
    std::string name;
    std::string date;

    bool operator==(const HighScoreEntry &) const = default;
};

} // namespace lumo
