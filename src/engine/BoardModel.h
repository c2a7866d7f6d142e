#pragma once
// A plain model of everything the card table shows. The engine changes it;
// the board widget draws it after each repaint call of the host.

#include "engine/BgrColor.h"
#include "engine/CardFace.h"

#include <array>
#include <cstdint>
#include <string>

namespace lumo {

enum class CardSide { Face, Back };
enum class PointerShape { Arrow, Hand };

struct CardView {
    int left = 0;
    int top = 0;
    bool visible = false;
    CardSide site = CardSide::Face;
    int backIndex = 1;
    bool enabled = true;
    PointerShape cursor = PointerShape::Arrow;
    std::string hint;
    bool showHint = false;
    // Pile the card lies on (1..18); -1 not dealt, 0 waiting to be redealt.
    // A filed card keeps the pile it came from.
    int stapel = 0;
    // Stacking order: higher lies in front.
    std::uint64_t z = 0;
};

// A pile frame (i_1..i_18) or a foundation image (back_1..back_4).
struct FrameView {
    int left = 0;
    int top = 0;
    bool visible = false;
    PointerShape cursor = PointerShape::Arrow;
    std::string hint;
    bool showHint = false;
    std::uint64_t z = 0;
};

struct LabelView {
    int left = 0;
    int top = 0;
    std::string text; // UTF-8, line breaks stored as "\r\n"
    bool visible = true;
    BgrColor color = kStatusWhite;
};

// bild_go / bild_stop.
struct ImageView {
    bool visible = false;
    PointerShape cursor = PointerShape::Arrow;
    std::string hint;
};

class BoardModel {
public:
    BoardModel();

    CardView& Card(int card) { return cards_[Index(card, kCardCount)]; }
    const CardView& Card(int card) const { return cards_[Index(card, kCardCount)]; }
    FrameView& PileFrame(int pile) { return pileFrames_[Index(pile, kPileCount)]; }
    const FrameView& PileFrame(int pile) const { return pileFrames_[Index(pile, kPileCount)]; }
    FrameView& FoundationImage(int f) { return foundations_[Index(f, kFoundationCount)]; }
    const FrameView& FoundationImage(int f) const { return foundations_[Index(f, kFoundationCount)]; }

    void BringCardToFront(int card) { Card(card).z = ++zCounter_; }
    void BringFrameToFront(int pile) { PileFrame(pile).z = ++zCounter_; }

    LabelView status;  // lb_mischen
    LabelView points;  // lb_punkte
    LabelView time;    // lb_time
    LabelView moves;   // lb_zug
    LabelView level;   // lb_stufe
    ImageView reshuffleGo;   // bild_go
    ImageView reshuffleStop; // bild_stop

    // End colour of the table's gradient; FlashTable brightens it for a moment.
    BgrColor tableEndColor = kTableEndColor;
    // Pile whose frame shows the highlighted picture, 0 for none.
    int highlightedPile = 0;
    // The wait cursor shows for the whole screen.
    bool waitCursor = false;
    // The stuck notice blinks (t_blinker enabled).
    bool blinkerEnabled = false;

private:
    static std::size_t Index(int i, int count);

    std::array<CardView, kCardCount + 1> cards_{};
    std::array<FrameView, kPileCount + 1> pileFrames_{};
    std::array<FrameView, kFoundationCount + 1> foundations_{};
    std::uint64_t zCounter_ = 0;
};

} // namespace lumo
