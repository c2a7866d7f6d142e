#pragma once
// Card identity: face index 1..52 = suit * 13 + value.
// Suits: 0 Kreuz, 1 Karo, 2 Herz, 3 Pik. Values: 1 As .. 13 König.
// Foundations 1..4 take Karo, Herz, Pik, Kreuz.

#include <string>

namespace lumo {

constexpr int kCardCount = 52;
constexpr int kPileCount = 18;
constexpr int kFoundationCount = 4;
constexpr int kKingValue = 13;

constexpr bool IsValidCard(int card) { return card >= 1 && card <= kCardCount; }
constexpr int CardSuit(int card) { return (card - 1) / 13; }
constexpr int CardValue(int card) { return (card - 1) % 13 + 1; }
constexpr bool IsKing(int card) { return IsValidCard(card) && CardValue(card) == kKingValue; }

// Foundation number (1..4) that takes cards of the suit.
constexpr int FoundationOfSuit(int suit)
{
    return suit == 0 ? 4 : suit; // Kreuz goes last; Karo, Herz, Pik keep their number
}
constexpr int FoundationOfCard(int card) { return FoundationOfSuit(CardSuit(card)); }

// Face index just below the foundation's As: 13, 26, 39, 0 for foundations 1..4.
constexpr int FoundationBase(int foundation) { return foundation == 4 ? 0 : foundation * 13; }

// "Herz Dame", "Kreuz As"; parts out of range read "F".
const std::string& CardName(int card);
std::string SuitName(int suit);
std::string ValueName(int value);

} // namespace lumo
