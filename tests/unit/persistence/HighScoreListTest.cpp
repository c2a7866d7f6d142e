#include "persistence/HighScoreList.h"

#include "HighScoreEntryPrinter.h"
#include "persistence/ScrambleText.h"

#include <gtest/gtest.h>

#include <string>

namespace lumo {
namespace {

// The file the program would hold for a plain text.
std::string FileOf(const std::string &plain) { return HighScoreList::FileBytes(plain); }

// The plain text of file bytes: without the final CR LF, unscrambled.
std::string PlainOf(const std::string &file)
{
    EXPECT_GE(file.size(), 2u);
    EXPECT_EQ(file.substr(file.size() - 2), "\r\n");
    return ScrambleText(file.substr(0, file.size() - 2));
}

HighScoreList Loaded(const std::string &plain)
{
    HighScoreList list;
    list.Load(FileOf(plain));
    return list;
}

HighScoreList::Entries Three(HighScoreEntry a, HighScoreEntry b, HighScoreEntry c)
{
    return {a, b, c};
}

TEST(HighScoreList, NoFileGivesEmptyEntriesAndBareHeadings)
{
    HighScoreList list;
    list.setEntries(Three({5, "Old", "01.01.2026"}, {}, {}));
    list.Load("");
    EXPECT_EQ(list.entries(), HighScoreList::Entries{});
    EXPECT_EQ(list.NamesText(), "Bestenliste:\r\nName:\r\n\r\n\r\n");
    EXPECT_EQ(list.DatesText(), "\r\nDatum:\r\n\r\n\r\n");
    EXPECT_EQ(list.PointsColumnText(), "\r\nPunkte:\r\n\r\n\r\n");
}

TEST(HighScoreList, FileOfBlanksCountsAsEmpty)
{
    HighScoreList list;
    list.setEntries(Three({5, "Old", "01.01.2026"}, {}, {}));
    list.Load(" \r\n\t ");
    EXPECT_EQ(list.entries(), HighScoreList::Entries{});
}

TEST(HighScoreList, ColumnsShowNamesShortDatesAndPoints)
{
    const HighScoreList list = Loaded("1250;Anna;08.12.2026\r980;Ben;07.12.2026\r0;;");
    EXPECT_EQ(list.NamesText(), "Bestenliste:\r\nName:\r\nAnna\r\nBen\r\n");
    EXPECT_EQ(list.DatesText(), "\r\nDatum:\r\n08.12.26\r\n07.12.26\r\n");
    EXPECT_EQ(list.PointsColumnText(), "\r\nPunkte:\r\n1250\r\n980\r\n");
}

TEST(HighScoreList, FirstEntryIntoAnEmptyList)
{
    HighScoreList list;
    list.Load("");
    ASSERT_EQ(list.PlaceFor(1), 1);
    const auto file = list.SaveBytes("Anna", 1, 1, "08.12.2026");
    ASSERT_TRUE(file);
    EXPECT_EQ(PlainOf(*file), "1;Anna;08.12.2026\r0;;\r0;;");
}

TEST(HighScoreList, PlaceIsTheFirstStrictlyLowerEntry)
{
    HighScoreList list;
    list.setEntries(Three({500, "A", "01.01.2026"}, {300, "B", "02.01.2026"}, {0, "", ""}));
    EXPECT_EQ(list.PlaceFor(501), 1);
    EXPECT_EQ(list.PlaceFor(500), 2);
    EXPECT_EQ(list.PlaceFor(300), 3);
    EXPECT_EQ(list.PlaceFor(1), 3);
    EXPECT_EQ(list.PlaceFor(0), 0);
    EXPECT_EQ(list.PlaceFor(-3), 0);

    list.setEntries(Three({500, "A", "d"}, {300, "B", "d"}, {200, "C", "d"}));
    EXPECT_EQ(list.PlaceFor(200), 0);
    HighScoreList empty;
    EXPECT_EQ(empty.PlaceFor(0), 0);
}

TEST(HighScoreList, InsertionDropsTheOldThirdLine)
{
    HighScoreList list;
    list.setEntries(Three({500, "A", "01.01.2026"}, {300, "B", "02.01.2026"}, {0, "", ""}));

    const auto third = list.SaveBytes("New", list.PlaceFor(300), 300, "08.12.2026");
    ASSERT_TRUE(third);
    EXPECT_EQ(PlainOf(*third), "500;A;01.01.2026\r300;B;02.01.2026\r300;New;08.12.2026");

    const auto second = list.SaveBytes("New", list.PlaceFor(500), 500, "08.12.2026");
    ASSERT_TRUE(second);
    EXPECT_EQ(PlainOf(*second), "500;A;01.01.2026\r500;New;08.12.2026\r300;B;02.01.2026");

    const auto first = list.SaveBytes("New", 1, 900, "08.12.2026");
    ASSERT_TRUE(first);
    EXPECT_EQ(PlainOf(*first), "900;New;08.12.2026\r500;A;01.01.2026\r300;B;02.01.2026");

    // Saving leaves the entries in memory alone; the caller reloads.
    EXPECT_EQ(list.entries()[0].name, "A");
}

TEST(HighScoreList, SaveRefusesBlankNamesAndBadPlaces)
{
    HighScoreList list;
    EXPECT_FALSE(list.SaveBytes("", 1, 10, "08.12.2026"));
    EXPECT_FALSE(list.SaveBytes(" \t ", 1, 10, "08.12.2026"));
    EXPECT_FALSE(list.SaveBytes("Anna", 0, 10, "08.12.2026"));
    EXPECT_FALSE(list.SaveBytes("Anna", 4, 10, "08.12.2026"));
    EXPECT_TRUE(list.SaveBytes("Anna", 3, 10, "08.12.2026"));
}

TEST(HighScoreList, InnerBlankIsSavedButVanishesOnReload)
{
    HighScoreList list;
    const auto file = list.SaveBytes("  Anna Maria  ", 1, 40, "08.12.2026");
    ASSERT_TRUE(file);
    EXPECT_EQ(PlainOf(*file), "40;Anna Maria;08.12.2026\r0;;\r0;;");

    list.Load(*file);
    EXPECT_EQ(list.entries()[0].name, "AnnaMaria");
    const auto next = list.SaveBytes("Ben", 2, 10, "09.12.2026");
    ASSERT_TRUE(next);
    EXPECT_EQ(PlainOf(*next), "40;AnnaMaria;08.12.2026\r10;Ben;09.12.2026\r0;;");
}

TEST(HighScoreList, SemicolonInNameShiftsTheRestIntoTheDate)
{
    HighScoreList list;
    list.Load(*list.SaveBytes("a;b", 1, 40, "08.12.2026"));
    EXPECT_EQ(list.entries()[0], (HighScoreEntry{40, "a", "b;08.12.2026"}));
    EXPECT_EQ(list.DatesText(), "\r\nDatum:\r\nb;08.120\r\n\r\n");
}

TEST(HighScoreList, LinesNotSuppliedKeepTheirEntries)
{
    HighScoreList list;
    list.setEntries(Three({900, "X", "01.01.2026"}, {800, "Y", "02.01.2026"}, {100, "Z", "03.01.2026"}));
    list.Load(FileOf("50;Solo;04.01.2026"));
    EXPECT_EQ(list.entries(),
              Three({900, "X", "01.01.2026"}, {800, "Y", "02.01.2026"}, {50, "Solo", "04.01.2026"}));

    // The one line ranks highest: the three exchange steps bring it to the top
    // and keep the other two in order.
    list.Load(FileOf("1000;Top;05.01.2026"));
    EXPECT_EQ(list.entries(),
              Three({1000, "Top", "05.01.2026"}, {900, "X", "01.01.2026"}, {800, "Y", "02.01.2026"}));
}

TEST(HighScoreList, EqualPointsKeepTheirOrder)
{
    const HighScoreList list = Loaded("7;A;d\r7;B;d\r7;C;d");
    EXPECT_EQ(list.entries()[0].name, "A");
    EXPECT_EQ(list.entries()[1].name, "B");
    EXPECT_EQ(list.entries()[2].name, "C");
}

TEST(HighScoreList, ZeroAndNegativePointsShowEmpty)
{
    const HighScoreList list = Loaded("0;Null;01.01.2026\r-5;Neg;02.01.2026\r7;Seven;03.01.2026");
    EXPECT_EQ(list.entries()[0], (HighScoreEntry{7, "Seven", "03.01.2026"}));
    EXPECT_EQ(list.entries()[1], (HighScoreEntry{0, "Null", "01.01.2026"}));
    EXPECT_EQ(list.entries()[2], (HighScoreEntry{-5, "Neg", "02.01.2026"}));
    EXPECT_EQ(list.PointsColumnText(), "\r\nPunkte:\r\n7\r\n\r\n");
}

struct SplitCase {
    const char *plain;
    HighScoreList::Entries expected;
};

TEST(HighScoreList, LineSplittingAndFieldParsing)
{
    const SplitCase cases[] = {
        // More than three lines: the last one becomes the third entry.
        {"1;A;d\r2;B;d\r3;C;d\r4;D;d\r5;E;d", Three({5, "E", "d"}, {2, "B", "d"}, {1, "A", "d"})},
        // Saving trims a final CR away, so a fourth line still ends up third.
        {"1;A;d\r2;B;d\r3;C;d\r4;D;d\r", Three({4, "D", "d"}, {2, "B", "d"}, {1, "A", "d"})},
        // Blanks and control bytes vanish anywhere, LF included.
        {"1 2;An na;0 1.0\t1.2026\n", Three({12, "Anna", "01.01.2026"}, {}, {})},
        // Without any ";" the number is 0 and everything is the name.
        {"123", Three({}, {}, {0, "123", ""})},
        // An unparsable number is 0; the text after the last CR is the third line.
        {"abc;N;D\r12x;M;E", Three({0, "N", "D"}, {}, {0, "M", "E"})},
        // A name without a following ";" leaves the date as it was.
        {"12;Name", Three({12, "Name", ""}, {}, {})},
        // An empty line supplies nothing to its entry.
        {"\r\r9;C;d", Three({9, "C", "d"}, {}, {})},
    };
    for (const SplitCase &c : cases) {
        const HighScoreList list = Loaded(c.plain);
        EXPECT_EQ(list.entries(), c.expected) << c.plain;
    }
}

TEST(HighScoreList, UmlautNameGivesTheExpectedFileBytes)
{
    // Built by hand from the scrambling rule: "700;Jörg;08.12.2026" CR "0;;" CR
    // "0;;" in Windows-1252, scrambled, then CR LF.
    const unsigned char expected[] = {
        0xDB, 0x87, 0xBA, 0xB6, 0xCE, 0x64, 0xF8, 0x8B, 0xD3, 0xA2, 0xEF, 0xE9, 0xDE, 0xD2, 0x80,
        0xA0, 0xBA, 0x9E, 0xED, 0xAA, 0xE3, 0x8C, 0xF5, 0xB8, 0xE5, 0xB9, 0xFE, 0x0D, 0x0A};
    HighScoreList list;
    const auto file = list.SaveBytes("J\xF6rg", 1, 700, "08.12.2026");
    ASSERT_TRUE(file);
    EXPECT_EQ(*file, std::string(reinterpret_cast<const char *>(expected), sizeof expected));

    list.Load(*file);
    EXPECT_EQ(list.entries()[0], (HighScoreEntry{700, "J\xF6rg", "08.12.2026"}));
}

} // namespace
} // namespace lumo
