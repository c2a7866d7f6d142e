#include "shell/MenuController.h"

#include "engine/Game.h"

#include <QWidget>

namespace lumo {

MenuController::MenuController(QWidget *menuPanel, QWidget *menuButton, const Game &game)
    : FMenu(menuPanel), FButton(menuButton), FGame(game)
{
}

bool MenuController::MenuShown() const
{
    return FMenu->isVisible();
}

void MenuController::bt_menueClick()
{
    if (!FMenu->isHidden()) {
        FMenu->hide();
        FMenuMark = 0;
        return;
    }
    if (FGame.Busy())
        return;
    FMenu->show();
    FMenu->raise();
    FMenuMark = 1;
}

void MenuController::CloseMenu()
{
    if (FMenu->isHidden())
        return;
    FMenu->hide();
    FMenuMark = 0;
}

void MenuController::GenericMouseMove(const QObject *sender)
{
    const bool entered = sender != FLastHovered;
    if (sender == FButton) {
        if (entered && FMenu->isHidden())
            bt_menueClick();
    } else if (entered && !FMenu->isHidden()) {
        bt_menueClick();
    }
    FLastHovered = sender;
}

} // namespace lumo
