#include "shell/HighScoreWiring.h"

#include "companion/MessageDialog.h"
#include "persistence/HighScoreController.h"
#include "persistence/HighScoreDisplay.h"
#include "persistence/HighScoreStore.h"
#include "persistence/TEingabeForm.h"
#include "table/Board.h"

namespace lumo {

HighScoreWiring::HighScoreWiring(Board &table, QWidget &mainWindow)
{
    FDisplay = new HighScoreDisplay(&table);
    // Beneath the cards: a card flying past the list covers it.
    FDisplay->lower();

    QWidget *window = &mainWindow;
    FController = std::make_unique<HighScoreController>(HighScoreStore::ForProgram(), FDisplay,
        [window] {
            return ShowInputDialog(QStringLiteral("PUNKTE"),
                [](const QString &text) { ShowInfo(text); }, window);
        });
    FController->LoadHighScores();
}

HighScoreWiring::~HighScoreWiring() = default;

void HighScoreWiring::OfferHighScoreEntry(int points)
{
    FController->OfferHighScoreEntry(points);
}

} // namespace lumo
