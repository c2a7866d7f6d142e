#pragma once
// One playing card on the card table: a light, windowless-looking child widget of
// 71 x 96 logical pixels that draws a face, a back or a blank card with cut corners
// and knows its suit, value, German name and point value. It holds no game logic;
// the board reads and sets its properties and attaches the mouse handlers.
//
// Painting: the widget is not opaque, so Qt paints the parent (the table's gradient,
// or another card) beneath it and the four cut corners show whatever lies there.
// The picture comes ready-made from CardArt's cache; a paint only draws a pixmap.
//
// Mouse input: plain std::function members, called with the card's own coordinates
// (like the board expects from a windowless control). A handler that is empty is
// not called, so the board can detach OnMouseMove during a peek and test for it.
// The mouse tracking is on: OnMouseMove also fires without a held button.
//
// Hint: the card's hint text is stored in the widget's toolTip. The application
// suppresses native tooltips and shows the hint of the control under the mouse in
// its own balloon, so Hint()/SetHint() are only storage.

#include "engine/BoardGeometry.h"

#include <QString>
#include <QPixmap>
#include <QWidget>

#include <functional>
#include <stdexcept>
#include <string>

namespace lumo {

enum TSpielArt { saRommee, saSkat, saMauMau, saDoppelkopf };
enum TShowOption { soFace, soTool, soBack };
enum TPosition { posOben, posUnten, posNone };

// Raised by the range-checked setters; the property keeps its old value.
class EPlayingCard : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class TPlayingCards : public QWidget {
    Q_OBJECT
public:
    using NotifyHandler = std::function<void(TPlayingCards *sender)>;
    // button: the button that changed; held: the buttons down after the change.
    using MouseButtonHandler = std::function<void(TPlayingCards *sender, Qt::MouseButton button,
        Qt::MouseButtons held, Qt::KeyboardModifiers shift, QPoint pos)>;
    using MouseMoveHandler = std::function<void(TPlayingCards *sender, Qt::MouseButtons held,
        Qt::KeyboardModifiers shift, QPoint pos)>;

    static constexpr int CardWidth = kCardWidth;
    static constexpr int CardHeight = kCardHeight;

    explicit TPlayingCards(QWidget *owner = nullptr);
    ~TPlayingCards() override;

    TSpielArt Spielart() const { return FSpielart; }
    void SetSpielart(TSpielArt value);

    // Suit word + " " + value word; "F" for a part out of range (a joker's value).
    QString CardName() const;
    std::string CardNameUtf8() const;

    int FaceIndex() const { return FFaceIndex; }
    void SetFaceIndex(int value); // 0..53, else EPlayingCard "Face index out of range"
    int ToolIndex() const { return FToolIndex; }
    void SetToolIndex(int value); // 0, else "Tool index out of range"
    int BackIndex() const { return FBackIndex; }
    void SetBackIndex(int value); // 0..1, else "Back index out of range"
    int Value() const { return FValue; }
    void SetValue(int value); // 0..13, else "Value out of range"
    int Suit() const { return FSuit; }
    void SetSuit(int value); // 0..3, else "Suit out of range"

    TShowOption Site() const { return FSite; }
    void SetSite(TShowOption value);
    bool Selected() const { return FSelected; }
    void SetSelected(bool value);

    int Stapel() const { return FStapel; }
    void SetStapel(int value) { FStapel = value; }
    TPosition Position = posNone;

    // The card's point value in the game chosen by Spielart. SetWert only stores a
    // field that Wert() never reads back.
    int Wert() const;
    void SetWert(int value) { FWert = value; }

    QString Hint() const { return toolTip(); }
    // Only a real change is passed on: every change tells the hint channel to
    // look at the pointer again.
    void SetHint(const QString &text)
    {
        if (toolTip() != text)
            setToolTip(text);
    }
    bool ShowHint() const { return FShowHint; }
    void SetShowHint(bool value) { FShowHint = value; }

    // Fired only while the card is enabled; see enterEvent/leaveEvent.
    NotifyHandler OnMouseEnter;
    NotifyHandler OnMouseLeave;
    MouseButtonHandler OnMouseDown;
    MouseMoveHandler OnMouseMove;
    MouseButtonHandler OnMouseUp;

    // Name of the picture that Paint draws now ("F27", "B0", "T0").
    QString PictureName() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void RecomputeFaceIndex();
    void PaintNow();
    int PictureSlot() const;

    TSpielArt FSpielart = saRommee;
    int FFaceIndex = 1;
    int FToolIndex = 0;
    int FBackIndex = 1;
    int FValue = 1;
    int FSuit = 0;
    TShowOption FSite = soFace;
    bool FSelected = false;
    int FStapel = 0;
    int FWert = 0;
    bool FShowHint = false;
    bool FHover = false;

    // The pixmap last fetched from CardArt and what it was fetched for, so a paint
    // of an unchanged card does no lookup at all.
    QPixmap FPicture;
    int FPictureSlot = -1;
    bool FPictureInverted = false;
    QSize FPictureSize;
    qreal FPictureDpr = 0;
};

} // namespace lumo
