#pragma once
// A colour as 0x00BBGGRR, the form the table's colours are given in.

#include <cstdint>

namespace lumo {

struct BgrColor {
    std::uint32_t value = 0;

    constexpr int Red() const { return static_cast<int>(value & 0xFF); }
    constexpr int Green() const { return static_cast<int>((value >> 8) & 0xFF); }
    constexpr int Blue() const { return static_cast<int>((value >> 16) & 0xFF); }
    constexpr bool operator==(const BgrColor&) const = default;
};

constexpr BgrColor kStatusWhite{0xFFFFFF};
constexpr BgrColor kStatusDarkRed{0x000080};
constexpr BgrColor kTableStartColor{0xA56E3A};
constexpr BgrColor kTableEndColor{0x408000};
constexpr BgrColor kScoreLabelColor{0x5F3816}; // RGB(22, 56, 95)

} // namespace lumo
