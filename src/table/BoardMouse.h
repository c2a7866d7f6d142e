#pragma once
// Mouse input on the card table: dragging a pile's top card and dropping it,
// spreading a pile or a foundation for a look at the hidden cards, and the
// highlight of the pile that just took a card.

#include "engine/GameHost.h"

#include <QObject>

class QWidget;

namespace lumo {

class Board;
class Game;
class TPlayingCards;

class BoardMouse : public QObject {
    Q_OBJECT
public:
    // mainWindow: the window whose client coordinates the drag is measured in.
    BoardMouse(Board &board, Game &game, QWidget *mainWindow, QObject *parent = nullptr);
    // The cards' handlers go with it.
    ~BoardMouse() override;

    void CardMouseDown(TPlayingCards *card, Qt::MouseButton button);
    void CardMouseMove(TPlayingCards *card, Qt::MouseButtons held, QPoint pos);
    void CardMouseUp(TPlayingCards *card);
    void CardMouseLeave(TPlayingCards *card);

    void StartDrag(TPlayingCards *card);
    void MoveDraggedCard(TPlayingCards *card, int left, int top);
    void UnhighlightFrame();

    void image_unten_Click(int pile);
    void image_oben_Click(int foundation);
    void p_kartenClick();

    bool Dragging() const { return FDragging; }
    int DragCard() const { return FDragCard; }
    TablePoint DragOrigin() const { return FDragOrigin; }
    bool Peeking() const { return FPeeking; }

signals:
    // Sent first by most actions: the menu is to be hidden.
    void CloseMenuRequested();
    // The model changed beyond the card in hand: the whole table is to be rendered.
    void RenderRequested();

private:
    void AttachMoveHandlers();
    void DetachMoveHandlers();
    void ShowCard(int card);

    Board &FBoard;
    Game &FGame;
    QWidget *FMainWindow;
    bool FDragging = false;
    int FDragCard = 0;
    TablePoint FDragOrigin;
    bool FPeeking = false;
};

} // namespace lumo
