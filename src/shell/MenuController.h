#pragma once
// Opening and closing the menu panel: by the "Menü" button and by hovering.

class QObject;
class QWidget;

namespace lumo {

class Game;

class MenuController {
public:
    // The game tells whether a new game is being dealt: the menu does not open then.
    MenuController(QWidget *menuPanel, QWidget *menuButton, const Game &game);

    // Opens the menu (unless a new game is being started) or closes it.
    void bt_menueClick();
    // Hides the menu if it is shown.
    void CloseMenu();
    bool MenuShown() const;
    // 1 while the menu is shown, else 0.
    int MenuMark() const { return FMenuMark; }

    // The pointer moved directly over sender. Only entering a control acts:
    // entering the "Menü" button opens the menu, entering any other reporting
    // control (title bar, card table, ...) closes it.
    void GenericMouseMove(const QObject *sender);
    const QObject *LastHovered() const { return FLastHovered; }
    void SetLastHovered(const QObject *control) { FLastHovered = control; }

private:
    QWidget *FMenu;
    QWidget *FButton;
    const Game &FGame;
    const QObject *FLastHovered = nullptr;
    int FMenuMark = 0;
};

} // namespace lumo
