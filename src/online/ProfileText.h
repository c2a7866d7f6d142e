#pragma once
// Reading values from a text in the Windows profile (INI) format, as the
// update server's information file is written. Qt-free.
//
// A small reader of our own rather than QSettings: QSettings turns values
// with commas into lists and "@Variant(...)" values into objects deserialised
// from the server's bytes, matches keys with regard to case on Linux and
// decodes as UTF-8; the profile format knows none of that. The reader only
// splits lines, so it cannot be driven into more than one pass over its input.

#include <optional>
#include <string>
#include <string_view>

namespace lumo {

// The value of key in section, both matched without regard to (ASCII) case.
// Lines end with CR LF, LF or CR; "[name]" opens a section; "key=value" lines
// are split at the first '='; key and value are trimmed, and a value wholly
// enclosed in a pair of double or single quotes loses them. Lines starting
// with ';' and keys before the first section are ignored. The first match in
// the text wins. Missing: no value.
std::optional<std::string> ReadProfileString(std::string_view text, std::string_view section,
                                             std::string_view key);

// A whole decimal integer with an optional sign, as the profile's integer
// readers accept it; anything else, or a number outside int, gives no value.
std::optional<int> ParseProfileInteger(std::string_view value);

} // namespace lumo
