// How the help text is put together; its wording is checked line by line in
// the about box (tests/widget/shell/HelpWiringTest.cpp).

#include "shell/HelpText.h"
#include "shell/SystemInfo.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace lumo;

namespace {

// Splits at CR LF only; a lone CR or LF stays in its line, so it shows up.
std::vector<std::string> CrLfLines(const std::string &text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (;;) {
        const std::size_t at = text.find("\r\n", start);
        lines.push_back(text.substr(start, at == std::string::npos ? std::string::npos : at - start));
        if (at == std::string::npos)
            return lines;
        start = at + 2;
    }
}

} // namespace

TEST(HelpText, IsTheBlockAnEmptyLineAndTwentySixRowsWithoutAClosingBreak)
{
    const std::string text = HelpText("A\r\nB\r\n");
    const std::vector<std::string> lines = CrLfLines(text);
    ASSERT_EQ(lines.size(), 2u + 1u + 26u);
    EXPECT_EQ(lines[0], "A");
    EXPECT_EQ(lines[1], "B");
    EXPECT_EQ(lines[2], "");
    EXPECT_EQ(lines[3], "#Spielbeschreibung:");
    EXPECT_EQ(lines.back(), "besteht nicht.");
    for (const std::string &line : lines) {
        EXPECT_EQ(line.find('\r'), std::string::npos) << line;
        EXPECT_EQ(line.find('\n'), std::string::npos) << line;
    }
}

TEST(HelpText, IsBuiltWithTheSystemInformationOfTheMoment)
{
    const std::string info = SystemInfoText();
    const std::string text = CurrentHelpText();
    EXPECT_EQ(text.rfind(info + "\r\n#Spielbeschreibung:\r\n", 0), 0u);
    EXPECT_EQ(text, HelpText(info));
}
