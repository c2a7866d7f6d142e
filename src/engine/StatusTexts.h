#pragma once
// Texts of the status label under the reshuffle image.

#include <string>

namespace lumo {

// "Du darfst noch\r\n2 mal mischen", or that no reshuffle is left.
std::string ReshufflesLeftText(int remaining);

inline constexpr const char* kStuckText = "Kein Zug mehr möglich.\r\nBitte neu mischen!";
inline constexpr const char* kLostTipText = "Kein Zug mehr möglich.\r\nLeider hast Du verloren.";
inline constexpr const char* kLostStatusText = "Kein Zug möglich.\r\nLeider hast Du verloren.";
inline constexpr const char* kLostText = "Leider hast Du verloren.";
inline constexpr const char* kWonText = "Herzlichen Glückwunsch!\r\nDu hast gewonnwen.";

} // namespace lumo
