#pragma once
// Text helpers used all over the program. Qt-free, so the engine and the file
// formats can share them; QString variants live in QtTextHelpers.h.

#include <string>
#include <string_view>

namespace lumo {

// Removes leading and trailing bytes 0..32: blanks and every control character,
// not only blanks. Every "trim" in the program means this one.
std::string Trim(std::string_view text);

// The text repeated count - 1 times (so RepeatText(" ", 12) is 11 blanks);
// empty when the text is empty or count < 2. The score labels depend on this
// off-by-one, so keep it.
std::string RepeatText(std::string_view text, int count);

} // namespace lumo
