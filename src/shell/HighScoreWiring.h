#pragma once
// Ties the high-score list into the main window: the list's frame on the card
// table, reading it when the window is created, and the name entry at the end
// of a won game.

#include <QObject>

#include <memory>

namespace lumo {

class HighScoreController;
class HighScoreDisplay;
class TLumoForm;

class HighScoreWiring : public QObject {
    Q_OBJECT
public:
    // Builds sh_bester on the card table, reads the list of this program and
    // takes over the engine's high-score step.
    explicit HighScoreWiring(TLumoForm &form);
    ~HighScoreWiring() override;

    HighScoreDisplay *Display() const { return FDisplay; }
    HighScoreController &Controller() const { return *FController; }

private:
    HighScoreDisplay *FDisplay = nullptr;
    std::unique_ptr<HighScoreController> FController;
};

} // namespace lumo
