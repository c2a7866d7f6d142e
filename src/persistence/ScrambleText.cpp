#include "persistence/ScrambleText.h"

#include "common/TextHelpers.h"

#include <cstdint>

namespace lumo {

std::string ScrambleText(std::string_view text)
{
    std::string result = Trim(text);
    // The generator runs modulo 2^32; unsigned arithmetic wraps exactly so.
    std::uint32_t state = static_cast<std::uint32_t>(result.size());
    for (char &byte : result) {
        state = state * 134775813u + 1u;
        const auto r = static_cast<unsigned char>(state >> 25);
        byte = static_cast<char>(static_cast<unsigned char>(byte) ^ (r | 0x80u));
    }
    return result;
}

} // namespace lumo
