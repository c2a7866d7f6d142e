#pragma once
// The high-score list in the main window: the list's frame on the card table,
// reading it when the window is created, and the name entry at the end of a
// won game.

#include <QObject>

#include <memory>

class QWidget;

namespace lumo {

class Board;
class HighScoreController;
class HighScoreDisplay;

class HighScoreWiring : public QObject {
    Q_OBJECT
public:
    // Builds sh_bester on the card table and reads the list of this program;
    // the name dialog opens over mainWindow.
    HighScoreWiring(Board &table, QWidget &mainWindow);
    ~HighScoreWiring() override;

    // The engine's high-score step after a won game.
    void OfferHighScoreEntry(int points);

    HighScoreDisplay *Display() const { return FDisplay; }
    HighScoreController &Controller() const { return *FController; }

private:
    HighScoreDisplay *FDisplay = nullptr;
    std::unique_ptr<HighScoreController> FController;
};

} // namespace lumo
