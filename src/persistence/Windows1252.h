#pragma once
// Conversion between UTF-8 (what Qt hands us) and Windows-1252 (what the
// high-score file stores: one byte per character, umlauts included).

#include <string>
#include <string_view>

namespace lumo {

// Every character that Windows-1252 cannot hold, and every malformed UTF-8
// sequence, becomes '?'.
std::string Utf8ToWindows1252(std::string_view utf8);

// Total: every byte has a character (the five unassigned ones map to the C1
// control of the same value, as Windows does).
std::string Windows1252ToUtf8(std::string_view bytes);

} // namespace lumo
