#pragma once
// The high-score list of the main window: loading and showing it, and the
// entry step at the end of a won game.

#include "persistence/HighScoreList.h"
#include "persistence/HighScoreStore.h"

#include <QDate>
#include <QString>

#include <cstdint>
#include <functional>

namespace lumo {

class HighScoreDisplay;

class HighScoreController {
public:
    // Asks the player's name; empty when cancelled (ShowInputDialog("PUNKTE")).
    using NameAsker = std::function<QString()>;
    using DateSource = std::function<QDate()>;

    HighScoreController(HighScoreStore store, HighScoreDisplay *display, NameAsker askName,
                        DateSource today = &QDate::currentDate);

    // Reads the file, fills and sorts the entries, updates the display.
    void LoadHighScores();

    // Rewrites the file with (points, trimmed name, today) inserted at place
    // 1..3. Ignores an empty name or another place; a failed write is silent.
    // The entries in memory stay as they are until the next load.
    void SaveHighScore(const QString &name, int place, std::int32_t points);

    // At the end of a won game: when the points beat a stored result, asks
    // the name, saves it and shows the new list.
    void OfferHighScoreEntry(std::int32_t points);

    const HighScoreList &list() const { return m_list; }
    const HighScoreStore &store() const { return m_store; }

private:
    HighScoreStore m_store;
    HighScoreDisplay *m_display;
    NameAsker m_askName;
    DateSource m_today;
    HighScoreList m_list;
};

} // namespace lumo
