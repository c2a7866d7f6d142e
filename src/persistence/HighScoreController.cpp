#include "persistence/HighScoreController.h"

#include "persistence/HighScoreDisplay.h"
#include "persistence/Windows1252.h"
#include "common/QtTextHelpers.h"

#include <utility>

namespace lumo {

HighScoreController::HighScoreController(HighScoreStore store, HighScoreDisplay *display,
                                         NameAsker askName, DateSource today)
    : m_store(std::move(store)), m_display(display), m_askName(std::move(askName)),
      m_today(std::move(today))
{
}

void HighScoreController::LoadHighScores()
{
    m_list.Load(m_store.Read());
    if (m_display)
        m_display->ShowColumns(m_list.NamesText(), m_list.DatesText(), m_list.PointsColumnText());
}

void HighScoreController::SaveHighScore(const QString &name, int place, std::int32_t points)
{
    // The German short date whatever the desktop's locale: the display cuts
    // it by character positions.
    const std::string date = m_today().toString(QStringLiteral("dd.MM.yyyy")).toStdString();
    const std::string nameBytes = Utf8ToWindows1252(Trim(name).toStdString());
    if (const auto bytes = m_list.SaveBytes(nameBytes, place, points, date))
        m_store.Write(*bytes);
}

void HighScoreController::OfferHighScoreEntry(std::int32_t points)
{
    const int place = m_list.PlaceFor(points);
    if (place == 0 || !m_askName)
        return;
    const QString name = Trim(m_askName());
    if (name.isEmpty())
        return;
    SaveHighScore(name, place, points);
    LoadHighScores();
}

} // namespace lumo
