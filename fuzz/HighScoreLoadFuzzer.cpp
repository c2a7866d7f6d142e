// Any bytes as the high-score file: loading never fails, hangs or reads out of
// bounds, leaves a sorted list whose texts hold no byte the loader drops, and
// a list saved from it loads back to the same entries.
#include "FuzzRequire.h"
#include "persistence/HighScoreList.h"
#include "persistence/ScrambleText.h"

#include <cstdint>
#include <string>
#include <string_view>

using lumo::fuzz::Require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view file(reinterpret_cast<const char *>(data), size);
    lumo::HighScoreList list;
    list.Load(file);
    const auto &entries = list.entries();
    Require(entries[0].points >= entries[1].points && entries[1].points >= entries[2].points);
    for (const lumo::HighScoreEntry &entry : entries) {
        for (char c : entry.name + entry.date)
            Require(static_cast<unsigned char>(c) > 32);
        Require(entry.name.find(';') == std::string::npos);
    }
    (void)list.NamesText();
    (void)list.DatesText();
    (void)list.PointsColumnText();

    // The scrambler is its own inverse wherever its output is not trimmed.
    const std::string once = lumo::ScrambleText(file);
    const auto kept = [](unsigned char c) { return c > 32; };
    if (!once.empty() && kept(once.front()) && kept(once.back()))
        Require(lumo::ScrambleText(lumo::ScrambleText(once)) == once);

    // Saving a loaded list and loading it again keeps every entry that a save
    // can hold.
    if (const auto saved = list.SaveBytes("Zoe", 3, entries[2].points, "09.12.2026")) {
        lumo::HighScoreList again;
        again.Load(*saved);
        Require(again.entries()[0].points == entries[0].points);
        Require(again.entries()[1].points == entries[1].points);
    }
    return 0;
}
