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

const std::string& CardName(int card)
{
    static const std::array<std::string, kCardCount + 1> names = [] {
        std::array<std::string, kCardCount + 1> all;
        all[0] = "F F";
        for (int c = 1; c <= kCardCount; ++c)
            all[static_cast<std::size_t>(c)] = SuitName(CardSuit(c)) + " " + ValueName(CardValue(c));
        return all;
    }();
    return names[IsValidCard(card) ? static_cast<std::size_t>(card) : 0];
}

} // namespace lumo
