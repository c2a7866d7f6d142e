#pragma once
#include <QObject>

namespace lumo::testing {

// Dragging, dropping and peeking with real mouse events on the real window.
class BoardMouseTest : public QObject {
    Q_OBJECT
private slots:
    void dropOnFittingPileMovesTheCard();
    void refusedDropReturnsTheCard_data();
    void refusedDropReturnsTheCard();
    void koenigOntoEmptyPile_data();
    void koenigOntoEmptyPile();
    void noDragWithRightButtonOrFromBelowTheTop();
    void draggedCardStopsAtTheTableLimits();
    void pilePeekSpreadsTwentyPixelsApart_data();
    void pilePeekSpreadsTwentyPixelsApart();
    void singleCardPileDoesNotSpread();
    void foundationPeekSpreadsDownwards();
    void levelButtonStartsANewGameAtThatLevel();
};

} // namespace lumo::testing
