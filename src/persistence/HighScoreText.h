#pragma once
// Small text rules of the high-score display and file.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace lumo {

// Decimal text of points above 0; empty for 0 and below, so empty places
// show nothing in the points column.
std::string PointsText(std::int32_t points);

// Characters 1..6 and 9..10 of a dd.mm.yyyy date (08.12.2026 -> 08.12.26);
// shorter texts give what is there.
std::string ShortDate(std::string_view date);

// A decimal 32-bit integer with an optional sign and nothing else; nullopt for
// anything else, including an empty text and values out of range.
std::optional<std::int32_t> ParseInt32(std::string_view text);

} // namespace lumo
