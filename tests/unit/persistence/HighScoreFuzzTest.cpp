#include "persistence/HighScoreList.h"

#include "HighScoreEntryPrinter.h"
#include "persistence/ScrambleText.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace lumo {
namespace {

void ExpectSorted(const HighScoreList &list)
{
    const auto &e = list.entries();
    EXPECT_GE(e[0].points, e[1].points);
    EXPECT_GE(e[1].points, e[2].points);
}

// Whatever the file holds, loading never fails and leaves a sorted list whose
// texts hold no byte the loader drops.
void LoadAndCheck(HighScoreList &list, const std::string &file)
{
    list.Load(file);
    ExpectSorted(list);
    for (const HighScoreEntry &entry : list.entries()) {
        for (char c : entry.name + entry.date)
            ASSERT_GT(static_cast<unsigned char>(c), 32);
    }
    (void)list.NamesText();
    (void)list.DatesText();
    (void)list.PointsColumnText();
}

TEST(HighScoreFuzz, RandomBytesNeverBreakTheLoader)
{
    std::mt19937 random(4711);
    std::uniform_int_distribution<int> length(0, 200);
    std::uniform_int_distribution<int> byte(0, 255);
    HighScoreList list;
    for (int run = 0; run < 5000; ++run) {
        std::string file(static_cast<std::size_t>(length(random)), '\0');
        for (char &c : file)
            c = static_cast<char>(byte(random));
        LoadAndCheck(list, file);
    }
}

TEST(HighScoreFuzz, ScrambledNearValidTextsNeverBreakTheLoader)
{
    // Plain texts from the file's own alphabet, so the splitting and parsing
    // paths are reached rather than rejected early.
    const std::string alphabet = "0123456789;;;\r\r -+AaZz\xF6\xDF.\n\t";
    std::mt19937 random(815);
    std::uniform_int_distribution<int> length(0, 120);
    std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
    HighScoreList list;
    for (int run = 0; run < 5000; ++run) {
        std::string plain(static_cast<std::size_t>(length(random)), ' ');
        for (char &c : plain)
            c = alphabet[pick(random)];
        LoadAndCheck(list, HighScoreList::FileBytes(plain));
    }
}

TEST(HighScoreFuzz, EveryTruncationOfAValidFileLoads)
{
    HighScoreList writer;
    writer.setEntries({HighScoreEntry{1250, "Anna", "08.12.2026"},
                       HighScoreEntry{980, "J\xF6rg", "07.12.2026"},
                       HighScoreEntry{3, "Ben", "01.01.2026"}});
    const std::string file = *writer.SaveBytes("Zoe", 2, 1000, "09.12.2026");
    HighScoreList list;
    for (std::size_t size = 0; size <= file.size(); ++size) {
        LoadAndCheck(list, file.substr(0, size));
        LoadAndCheck(list, file.substr(size));
    }
    list.Load(file);
    EXPECT_EQ(list.entries()[1], (HighScoreEntry{1000, "Zoe", "09.12.2026"}));
}

} // namespace
} // namespace lumo
