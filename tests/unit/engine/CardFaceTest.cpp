// Card identity and names.

#include "engine/CardFace.h"

#include <gtest/gtest.h>

namespace lumo {
namespace {

TEST(CardFaceTest, SuitValueAndFoundationOfFaceIndices)
{
    struct Case {
        int card;
        int suit;
        int value;
        int foundation;
        const char* name;
    };
    const Case cases[] = {
        {1, 0, 1, 4, "Kreuz As"},
        {13, 0, 13, 4, "Kreuz König"},
        {14, 1, 1, 1, "Karo As"},
        {27, 2, 1, 2, "Herz As"},
        {38, 2, 12, 2, "Herz Dame"},
        {44, 3, 5, 3, "Pik Fünf"},
        {52, 3, 13, 3, "Pik König"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CardSuit(c.card), c.suit) << c.card;
        EXPECT_EQ(CardValue(c.card), c.value) << c.card;
        EXPECT_EQ(FoundationOfCard(c.card), c.foundation) << c.card;
        EXPECT_EQ(CardName(c.card), c.name);
    }
}

TEST(CardFaceTest, FoundationBasesSitJustBelowTheirAs)
{
    for (int f = 1; f <= 4; ++f)
        EXPECT_EQ(FoundationOfCard(FoundationBase(f) + 1), f);
    EXPECT_EQ(FoundationBase(1), 13);
    EXPECT_EQ(FoundationBase(4), 0);
}

TEST(CardFaceTest, KingsAreTheLastOfEachSuit)
{
    int kings = 0;
    for (int card = 1; card <= 52; ++card)
        kings += IsKing(card) ? 1 : 0;
    EXPECT_EQ(kings, 4);
    EXPECT_TRUE(IsKing(26));
    EXPECT_FALSE(IsKing(0));
    EXPECT_FALSE(IsKing(53));
}

} // namespace
} // namespace lumo
