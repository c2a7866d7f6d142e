// Positions written as text, the test route into the real program.

#include "engine/PositionText.h"

#include <gtest/gtest.h>

namespace lumo {
namespace {

TEST(PositionText, ReadsEveryStatementAndIgnoresCommentsAndBlankLines)
{
    std::string error;
    const auto position = ParsePositionText("# a stuck board after one move\n"
                                            "\n"
                                            "level 2\n"
                                            "reshuffles-used 1   # one left\n"
                                            "foundations 1 0 2 0\n"
                                            "pile 13 15 5\n"
                                            "pile 3 6\n",
                                            &error);
    ASSERT_TRUE(position.has_value()) << error;
    EXPECT_EQ(position->level, 2);
    EXPECT_EQ(position->reshufflesUsed, 1);
    EXPECT_EQ(position->foundationCounts, (std::array<int, 4>{1, 0, 2, 0}));
    EXPECT_EQ(position->piles[12], (std::vector<int>{15, 5}));
    EXPECT_EQ(position->piles[2], (std::vector<int>{6}));
    EXPECT_TRUE(position->piles[0].empty());
}

TEST(PositionText, RefusesWhatItCannotMeanWithTheLine)
{
    const std::pair<const char*, const char*> cases[] = {
        {"level 4\n", "line 1"},
        {"level\n", "line 1"},
        {"\npile 19 1\n", "line 2"},
        {"pile 0 1\n", "line 1"},
        {"pile 1 x\n", "line 1"},
        {"pile 1 2.5\n", "line 1"},
        {"foundations 1 2 3\n", "line 1"},
        {"reshuffles-used -1\n", "line 1"},
        {"deal 7\n", "line 1"},
    };
    for (const auto& [text, where] : cases) {
        std::string error;
        EXPECT_FALSE(ParsePositionText(text, &error).has_value()) << text;
        EXPECT_NE(error.find(where), std::string::npos) << text << " -> " << error;
    }
}

} // namespace
} // namespace lumo
