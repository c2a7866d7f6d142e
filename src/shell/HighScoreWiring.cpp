#include "shell/HighScoreWiring.h"

#include "companion/MessageDialog.h"
#include "persistence/HighScoreController.h"
#include "persistence/HighScoreDisplay.h"
#include "persistence/HighScoreStore.h"
#include "persistence/TEingabeForm.h"
#include "shell/LumoForm.h"
#include "shell/QtGameHost.h"
#include "table/Board.h"

namespace lumo {

HighScoreWiring::HighScoreWiring(TLumoForm &form) : QObject(&form)
{
    FDisplay = new HighScoreDisplay(form.p_karten);
    // Beneath the cards: a card flying past the list covers it.
    FDisplay->lower();

    TLumoForm *window = &form;
    FController = std::make_unique<HighScoreController>(HighScoreStore::ForProgram(), FDisplay,
        [window] {
            return ShowInputDialog(QStringLiteral("PUNKTE"),
                [](const QString &text) { ShowInfo(text); }, window);
        });
    FController->LoadHighScores();

    form.Host().OnOfferHighScoreEntry = [this](int points) {
        FController->OfferHighScoreEntry(points);
    };
}

HighScoreWiring::~HighScoreWiring() = default;

} // namespace lumo
