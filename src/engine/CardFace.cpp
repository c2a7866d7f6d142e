#include "engine/CardFace.h"

#include <array>

namespace lumo {

namespace {
constexpr std::array<const char*, 4> kSuitNames = {"Kreuz", "Karo", "Herz", "Pik"};
constexpr std::array<const char*, 14> kValueNames = {"F", "As", "Zwei", "Drei", "Vier", "Fünf",
    "Sechs", "Sieben", "Acht", "Neun", "Zehn", "Bube", "Dame", "König"};
} // namespace

std::string SuitName(int suit)
{
    return suit >= 0 && suit <= 3 ? kSuitNames[static_cast<std::size_t>(suit)] : "F";
}

std::string ValueName(int value)
{
    return value >= 1 && value <= 13 ? kValueNames[static_cast<std::size_t>(value)] : "F";
}

std::string CardName(int card)
{
    if (!IsValidCard(card))
        return "F F";
    return SuitName(CardSuit(card)) + " " + ValueName(CardValue(card));
}

} // namespace lumo
