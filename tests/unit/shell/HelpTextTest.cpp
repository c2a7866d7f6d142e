// The help text, line by line, against the description as the player reads it.

#include "shell/HelpText.h"
#include "shell/SystemInfo.h"

#include <gtest/gtest.h>

#include <ctime>
#include <regex>
#include <string>
#include <vector>

using namespace lumo;

namespace {

// Written out here on purpose rather than taken from the program, blanks and
// all: the indented rows start with thirteen blanks.
const std::vector<std::string> kDescription = {
    "#Spielbeschreibung:",
    "Das Ziel von Lumo besteht darin, aus sämtlichen Karten, die in den unteren 18 Stapeln verteilt sind,",
    "auf die vier obigen Zielstapel in aufsteigender Reihenfolge von As bis König zu verteilen.",
    "Dazu mußt Du die Karten des unteren Stapels nach Farbe und absteigender Reihenfolge sortieren,",
    "in dem Du die oberste Karte eines Kartenstapels mit der Maus erfasst und auf die dazugehörige Karte",
    "schiebst. Passt eine Karte auf einem Stapel von oben, ordnet sich diese automatisch ein.",
    "Beispiel: Nehme die Kreuz Dame und setze sie auf Kreuz König. Willst Du sehen welche Karten",
    "sich unterhalb der oberen Karte befinden, so klicke einfach auf den Rahmen der Karte.",
    "",
    "Dir stehen 3 Schwierigkeitsstufen zur Verfügung.",
    "Beim Start von Lumo ist die Schwierigkeitsstufe 1 eingestellt.",
    "Stufe 1: Du darfst die Karten dreimal neu mischen.",
    "             Wenn ein König auf einem Stapel oben liegt,",
    "             darfst Du ihn auf ein leeres Feld ziehen.",
    "Stufe 2: Du darfst die Karten zweimal neu mischen.",
    "             Ein obenaufliegender König darf nicht verschoben werden.",
    "Stufe 3: Du darfst die Karten einmal neu mischen.",
    "             Ein obenaufliegender König darf nicht verschoben werden.",
    "",
    "Dir steht mit Hilfe des Vogels ein Tipp für den",
    "nächsten Zug zur Seite. Klicke dafür die rechte Maustaste.",
    "Dies muss aber nicht der optimalste Zug sein.",
    "",
    "Das Programm wurde ausgiebig getestet. Der Einsatz erfolgt jedoch auf eigenes Risiko.",
    "Eine Haftung des Herstellers für jedwede Mängel oder Folgen in Bezug auf den Einsatz der Software",
    "besteht nicht.",
};

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

int CurrentYear()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return local.tm_year + 1900;
}

} // namespace

TEST(HelpText, IsTheSystemInformationAnEmptyLineAndTheDescription)
{
    const std::string text = CurrentHelpText();
    const std::vector<std::string> lines = CrLfLines(text);
    ASSERT_EQ(lines.size(), 4u + 1u + kDescription.size());

    EXPECT_TRUE(std::regex_match(lines[0], std::regex(R"(\S+ Version \d+\.\d+\.\d+\.\d+)"))) << lines[0];
    EXPECT_EQ(lines[1], "© 2003/" + std::to_string(CurrentYear()) + " vemu");
    // One blank before the break, two when the bitness is unknown.
    EXPECT_TRUE(std::regex_match(lines[2], std::regex(R"(System: .* (\d\d-Bit )?)"))) << lines[2];
    EXPECT_TRUE(lines[2].back() == ' ') << lines[2];
    EXPECT_TRUE(std::regex_match(lines[3], std::regex(R"(Computer \((Notebook|PC-System)\): .+)"))) << lines[3];
    EXPECT_EQ(lines[4], "");
    for (std::size_t row = 0; row < kDescription.size(); ++row)
        EXPECT_EQ(lines[5 + row], kDescription[row]) << "row " << row + 1;

    // No lone CR or LF anywhere, and no break after the last row.
    for (const std::string &line : lines) {
        EXPECT_EQ(line.find('\r'), std::string::npos);
        EXPECT_EQ(line.find('\n'), std::string::npos);
    }
    EXPECT_NE(text.substr(text.size() - 2), "\r\n");
}

TEST(HelpText, PutsAGivenBlockInFrontUnchanged)
{
    const std::string block = "A\r\nB\r\n";
    const std::string text = HelpText(block);
    EXPECT_EQ(text.rfind(block + "\r\n#Spielbeschreibung:\r\n", 0), 0u);
    EXPECT_EQ(text.substr(text.size() - 16), "\r\nbesteht nicht.");
}
