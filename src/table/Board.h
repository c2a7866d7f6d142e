#pragma once
// The card table: 18 pile frames, 4 foundations, the reshuffle images, the
// status label, the score box and the 52 cards (the high-score list adds its
// own frame). It draws the engine's board model; it holds no game state of
// its own.

#include "lookfeel/GradientPanel.h"

#include <array>
#include <cstdint>
#include <vector>

class QLabel;

namespace lumo {

class BoardModel;
class OutlineFrame;
class TableImage;
class TPlayingCards;

class Board : public GradientPanel {
    Q_OBJECT
public:
    static constexpr int TableWidth = 788;
    static constexpr int TableHeight = 483;

    explicit Board(QWidget *parent = nullptr);

    TPlayingCards *Card(int card) const;         // 1..52
    TableImage *PileFrame(int pile) const;       // i_1 .. i_18
    TableImage *Foundation(int foundation) const; // back_1 .. back_4

    // Widgets that lie above every card whatever the cards' order (the menu,
    // later panels); raised again after each reordering.
    void AddOverlay(QWidget *widget);

    // Brings every widget in line with the model (positions, order, pictures,
    // texts, visibility, cursors, hints, the gradient's end colour).
    void Render(const BoardModel &model);
    // Only this card: position, side, visibility, cursor, hint; raised when it
    // lies in front of all others in the model.
    void RenderCard(const BoardModel &model, int card);
    void RaiseOverlays();

    TableImage *bild_go = nullptr;
    TableImage *bild_stop = nullptr;
    QLabel *lb_mischen = nullptr;
    OutlineFrame *sh_punkte = nullptr;
    QLabel *lb_punkte = nullptr;
    QLabel *lb_time = nullptr;
    QLabel *lb_zug = nullptr;

private:
    void BuildFrames();
    void BuildLabels();
    void BuildCards();
    void RenderFrames(const BoardModel &model);
    void RenderLabels(const BoardModel &model);
    void RenderOrder(const BoardModel &model);

    std::array<TPlayingCards *, 53> FCards{};
    std::array<TableImage *, 19> FPileFrames{};
    std::array<TableImage *, 5> FFoundations{};
    std::vector<QWidget *> FOverlays;
    // The stacking order last applied, back to front.
    std::vector<QWidget *> FOrder;
    std::uint64_t FFrontZ = 0;
};

} // namespace lumo
