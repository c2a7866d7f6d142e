#pragma once
// A real main window, shown offscreen, past its deferred start.

#include "engine/BoardGeometry.h"
#include "engine/BoardPosition.h"
#include "engine/Game.h"
#include "LumoFormTestAccess.h"
#include "shell/TLumoForm.h"
#include "table/Board.h"
#include "table/TPlayingCards.h"

#include <QPoint>
#include <QTest>

#include <memory>

namespace lumo::testing {

// Face indices used by the fixtures.
constexpr int KreuzZwei = 2;
constexpr int KreuzKoenig = 13;
constexpr int KaroFuenf = 18;
constexpr int KaroSechs = 19;
constexpr int HerzDrei = 29;
constexpr int HerzVier = 30;
constexpr int PikNeun = 48;

// Shows the form, makes it active and waits for its deferred start (the first
// deal laid out); false when any of that does not happen in time.
bool ShowAndStart(TLumoForm &form);

// The form, shown and started; the first deal has been laid out.
std::unique_ptr<TLumoForm> StartedForm();

// Karo Fünf alone on pile 1, Karo Sechs on pile 2, Herz Drei on pile 3 and
// Herz Vier on pile 4 (so a move is left after either), the rest off the table.
BoardPosition TwoMovesPosition(int level);

// Centre of pile frame p in card-table coordinates.
QPoint FrameCentre(int pile);

// Presses the left button on the card, moves the pointer to the table point
// and releases it there, all through the card (which holds the mouse grab).
void DragCardTo(TLumoForm &form, int card, QPoint tablePoint,
    Qt::MouseButton button = Qt::LeftButton);

} // namespace lumo::testing
