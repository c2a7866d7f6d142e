#pragma once
// Readable failure output for high-score entries.

#include "persistence/HighScoreEntry.h"

#include <ostream>

namespace lumo {

inline void PrintTo(const HighScoreEntry &entry, std::ostream *out)
{
    *out << '{' << entry.points << ", \"" << entry.name << "\", \"" << entry.date << "\"}";
}

} // namespace lumo
