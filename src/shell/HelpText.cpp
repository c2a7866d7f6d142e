#include "shell/HelpText.h"

#include "shell/SystemInfo.h"

namespace lumo {

namespace {

// The level rows' second lines stand under the text after "Stufe n: ".
const std::string kIndent(13, ' ');

} // namespace

const std::vector<std::string> &HelpRows()
{
    static const std::vector<std::string> rows = {
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
        kIndent + "Wenn ein König auf einem Stapel oben liegt,",
        kIndent + "darfst Du ihn auf ein leeres Feld ziehen.",
        "Stufe 2: Du darfst die Karten zweimal neu mischen.",
        kIndent + "Ein obenaufliegender König darf nicht verschoben werden.",
        "Stufe 3: Du darfst die Karten einmal neu mischen.",
        kIndent + "Ein obenaufliegender König darf nicht verschoben werden.",
        "",
        "Dir steht mit Hilfe des Vogels ein Tipp für den",
        "nächsten Zug zur Seite. Klicke dafür die rechte Maustaste.",
        "Dies muss aber nicht der optimalste Zug sein.",
        "",
        "Das Programm wurde ausgiebig getestet. Der Einsatz erfolgt jedoch auf eigenes Risiko.",
        "Eine Haftung des Herstellers für jedwede Mängel oder Folgen in Bezug auf den Einsatz der Software",
        "besteht nicht.",
    };
    return rows;
}

std::string HelpText(const std::string &systemInfo)
{
    std::string text = systemInfo + "\r\n";
    const std::vector<std::string> &rows = HelpRows();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (i > 0)
            text += "\r\n";
        text += rows[i];
    }
    return text;
}

std::string CurrentHelpText()
{
    return HelpText(SystemInfoText());
}

} // namespace lumo
