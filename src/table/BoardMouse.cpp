#include "table/BoardMouse.h"

#include "engine/BoardGeometry.h"
#include "engine/Game.h"
#include "common/EventHelpers.h"
#include "common/ScreenCursor.h"
#include "table/Board.h"
#include "table/TPlayingCards.h"
#include "table/TableImage.h"

#include <QWidget>

#include <algorithm>

namespace lumo {

namespace {

// Card-table limits of a dragged card: never up into the foundation row.
constexpr int kDragTopMin = 125;
constexpr int kDragTopMax = 387;
constexpr int kDragLeftMin = 1;
constexpr int kDragLeftMax = 717;
// Pointer offset (main-window client coordinates) that centres the card under it.
constexpr int kGrabX = 38;
constexpr int kGrabY = 88;
constexpr int kPeekStep = 20;

} // namespace

BoardMouse::BoardMouse(Board &board, Game &game, QWidget *mainWindow, QObject *parent)
    : QObject(parent), FBoard(board), FGame(game), FMainWindow(mainWindow)
{
    for (int i = 1; i <= kCardCount; ++i) {
        TPlayingCards *card = FBoard.Card(i);
        card->OnMouseDown = [this](TPlayingCards *c, Qt::MouseButton button, Qt::MouseButtons,
                                Qt::KeyboardModifiers, QPoint) { CardMouseDown(c, button); };
        card->OnMouseUp = [this](TPlayingCards *c, Qt::MouseButton, Qt::MouseButtons,
                              Qt::KeyboardModifiers, QPoint) { CardMouseUp(c); };
        card->OnMouseLeave = [this](TPlayingCards *c) { CardMouseLeave(c); };
    }
    AttachMoveHandlers();
    for (int p = 1; p <= kPileCount; ++p)
        connect(FBoard.PileFrame(p), &TableImage::clicked, this, [this, p] { image_unten_Click(p); });
    for (int f = 1; f <= kFoundationCount; ++f)
        connect(FBoard.Foundation(f), &TableImage::clicked, this, [this, f] { image_oben_Click(f); });
}

BoardMouse::~BoardMouse()
{
    for (int i = 1; i <= kCardCount; ++i) {
        TPlayingCards *card = FBoard.Card(i);
        card->OnMouseDown = nullptr;
        card->OnMouseUp = nullptr;
        card->OnMouseLeave = nullptr;
        card->OnMouseMove = nullptr;
    }
}

void BoardMouse::AttachMoveHandlers()
{
    for (int i = 1; i <= kCardCount; ++i) {
        FBoard.Card(i)->OnMouseMove = [this](TPlayingCards *c, Qt::MouseButtons held,
                                          Qt::KeyboardModifiers, QPoint pos) {
            CardMouseMove(c, held, pos);
        };
    }
}

void BoardMouse::DetachMoveHandlers()
{
    for (int i = 1; i <= kCardCount; ++i)
        FBoard.Card(i)->OnMouseMove = nullptr;
}

void BoardMouse::CardMouseDown(TPlayingCards *card, Qt::MouseButton button)
{
    // DragAllowed covers the stuck notice in the hint, the shown frames, the
    // engine's wait cursor, Ready and a running engine operation (a click that
    // arrives while the first deal is still being laid out).
    if (!FGame.DragAllowed() || !ScreenCursorIsNormal() || button != Qt::LeftButton)
        return;
    emit CloseMenuRequested();
    FDragging = false;
    if (card->OnMouseMove)
        StartDrag(card);
}

void BoardMouse::StartDrag(TPlayingCards *card)
{
    const int face = card->FaceIndex();
    if (!FGame.IsTopCard(face))
        return;
    const CardView &view = FGame.Board().Card(face);
    FDragOrigin = TablePoint{view.left, view.top};
    FGame.BringToFront(face);
    FBoard.RenderCard(FGame.Board(), face);
    FDragging = true;
    FDragCard = face;
}

void BoardMouse::CardMouseMove(TPlayingCards *card, Qt::MouseButtons held, QPoint pos)
{
    if (!FGame.Ready() || !(held & Qt::LeftButton) || card->FaceIndex() <= 0 || !FDragging)
        return;
    UnhighlightFrame();
    const QPoint client = FMainWindow->mapFromGlobal(card->mapToGlobal(pos));
    MoveDraggedCard(card, client.x() - kGrabX, client.y() - kGrabY);
}

void BoardMouse::MoveDraggedCard(TPlayingCards *card, int left, int top)
{
    const int face = card->FaceIndex();
    const CardView &view = FGame.Board().Card(face);
    if (view.left == left && view.top == top)
        return;
    top = std::clamp(top, kDragTopMin, kDragTopMax);
    left = std::clamp(left, kDragLeftMin, kDragLeftMax);
    FGame.MoveCard(face, left, top);
    FBoard.RenderCard(FGame.Board(), face);
}

void BoardMouse::CardMouseUp(TPlayingCards *)
{
    UnhighlightFrame();
    if (FDragging) {
        FDragging = false;
        FGame.CompleteDrop(FDragCard, FDragOrigin);
        emit RenderRequested();
    }
    FDragging = false;
}

void BoardMouse::CardMouseLeave(TPlayingCards *)
{
    UnhighlightFrame();
}

void BoardMouse::UnhighlightFrame()
{
    const int before = FGame.Board().highlightedPile;
    FGame.UnhighlightFrame();
    if (before != FGame.Board().highlightedPile)
        emit RenderRequested();
}

void BoardMouse::ShowCard(int card)
{
    FBoard.RenderCard(FGame.Board(), card);
    FBoard.Card(card)->repaint();
}

void BoardMouse::image_unten_Click(int pile)
{
    const BoardModel &model = FGame.Board();
    if (!FGame.Ready() && model.reshuffleStop.visible && !model.reshuffleGo.visible)
        return;
    // A click on another frame while one pile is spread would hand Ready back
    // in the middle of the look; it is ignored instead.
    if (FPeeking)
        return;
    DetachMoveHandlers();
    FGame.SetReady(false);
    if (!ScreenCursorIsNormal()) {
        FGame.SetReady(true);
        AttachMoveHandlers();
        return;
    }
    FPeeking = true;
    struct Restore {
        BoardMouse *self;
        ~Restore()
        {
            self->FPeeking = false;
            self->FGame.SetReady(true);
            self->AttachMoveHandlers();
        }
    } restore{this};

    emit CloseMenuRequested();
    const int count = FGame.PileCount(pile);
    if (count < 2)
        return;
    const int left = PileFrameLeft(pile) + kCardInsetX;
    const int top = PileFrameTop(pile) + kCardInsetY;
    const int step = pile <= 6 ? kPeekStep : -kPeekStep;
    FGame.SetWaitCursor(true);
    int offset = 0;
    for (int i = 1; i <= count && i <= FGame.PileCount(pile); ++i) {
        const int card = FGame.PileCard(pile, i);
        FGame.MoveCard(card, left, top + offset);
        FGame.BringToFront(card);
        ShowCard(card);
        Delay(30);
        offset += step;
    }
    Delay(500);
    for (int i = 1; i <= count && i <= FGame.PileCount(pile); ++i) {
        const int card = FGame.PileCard(pile, i);
        FGame.MoveCard(card, left, top);
        ShowCard(card);
        Delay(30);
    }
    FGame.StackPile(pile);
    emit RenderRequested();
    FGame.SetWaitCursor(false);
}

void BoardMouse::image_oben_Click(int foundation)
{
    const BoardModel &model = FGame.Board();
    if (!model.reshuffleGo.visible && !model.reshuffleStop.visible)
        return;
    emit CloseMenuRequested();
    const int count = FGame.FoundationCount(foundation);
    if (count < 2)
        return;
    const int left = FoundationLeft(foundation) + kCardInsetX;
    const int top = kFoundationTop + kCardInsetY;
    FGame.SetWaitCursor(true);
    // The foundation is read anew each time: a new game may start during a Delay.
    for (int i = 0; i < count && i < FGame.FoundationCount(foundation); ++i) {
        const int card = FGame.FoundationCard(foundation, i + 1);
        FGame.MoveCard(card, left, top + kPeekStep * i);
        FGame.BringToFront(card);
        ShowCard(card);
        Delay(30);
    }
    Delay(250);
    for (int i = 0; i < count && i < FGame.FoundationCount(foundation); ++i) {
        const int card = FGame.FoundationCard(foundation, i + 1);
        FGame.MoveCard(card, left, top);
        ShowCard(card);
        Delay(50);
    }
    FGame.SetWaitCursor(false);
}

void BoardMouse::p_kartenClick()
{
    emit CloseMenuRequested();
}

} // namespace lumo
