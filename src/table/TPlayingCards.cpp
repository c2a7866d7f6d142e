#include "table/TPlayingCards.h"

#include "engine/CardFace.h"
#include "table/CardArt.h"

#include <QEnterEvent>
#include <QMouseEvent>
#include <QPainter>


namespace lumo {

TPlayingCards::TPlayingCards(QWidget *owner)
    : QWidget(owner)
{
    // The board tracks the pointer over a card even without a held button.
    setMouseTracking(true);
    resize(CardWidth, CardHeight);
}

TPlayingCards::~TPlayingCards() = default;

void TPlayingCards::SetSpielart(TSpielArt value)
{
    FSpielart = value;
    FWert = Wert();
}

QString TPlayingCards::CardName() const
{
    return QString::fromStdString(CardNameUtf8());
}

std::string TPlayingCards::CardNameUtf8() const
{
    // The engine names cards for the status texts; the control uses the same words.
    return SuitName(FSuit) + ' ' + ValueName(FValue);
}

void TPlayingCards::SetFaceIndex(int value)
{
    if (value == FFaceIndex)
        return;
    if (value < 0 || value > 53)
        throw EPlayingCard("Face index out of range");
    FFaceIndex = value;
    if (value == 0) {
        FValue = 0;
        if (FSuit == 0 || FSuit == 3)
            FSuit = 0;
    } else if (value == 53) {
        FValue = 0;
        if (FSuit == 1 || FSuit == 2)
            FSuit = 1;
    } else {
        FValue = (value - 1) % 13 + 1;
        FSuit = (value - 1) / 13;
    }
    if (FSite == soFace)
        PaintNow();
}

void TPlayingCards::SetToolIndex(int value)
{
    if (value == FToolIndex)
        return;
    if (value != 0)
        throw EPlayingCard("Tool index out of range");
    FToolIndex = value;
    if (FSite == soTool)
        PaintNow();
}

void TPlayingCards::SetBackIndex(int value)
{
    if (value == FBackIndex)
        return;
    if (value < 0 || value > 1)
        throw EPlayingCard("Back index out of range");
    FBackIndex = value;
    if (FSite == soBack)
        PaintNow();
}

void TPlayingCards::SetValue(int value)
{
    if (value == FValue)
        return;
    if (value < 0 || value > 13)
        throw EPlayingCard("Value out of range");
    FValue = value;
    RecomputeFaceIndex();
    if (FSite == soFace)
        PaintNow();
    FWert = Wert();
}

void TPlayingCards::SetSuit(int value)
{
    if (value == FSuit)
        return;
    if (value < 0 || value > 3)
        throw EPlayingCard("Suit out of range");
    FSuit = value;
    RecomputeFaceIndex();
    if (FSite == soFace)
        PaintNow();
}

void TPlayingCards::SetSite(TShowOption value)
{
    if (value == FSite)
        return;
    FSite = value;
    PaintNow();
}

void TPlayingCards::SetSelected(bool value)
{
    if (value == FSelected)
        return;
    FSelected = value;
    PaintNow();
}

int TPlayingCards::Wert() const
{
    switch (FSpielart) {
    case saRommee:
        if (FValue == 1)
            return 11;
        if (FValue >= 10)
            return 10;
        return FValue; // 2..9 count their face value, the joker 0
    case saSkat:
        switch (FValue) {
        case 1: return 11;
        case 10: return 10;
        case 11: return 2;
        case 12: return 3;
        case 13: return 4;
        default: return 0;
        }
    case saMauMau:
    case saDoppelkopf:
        return 0;
    }
    return 0;
}

QString TPlayingCards::PictureName() const
{
    return CardArt::NameOf(PictureSlot());
}

void TPlayingCards::RecomputeFaceIndex()
{
    // Straight into the field: the value and suit are already checked.
    if (FValue != 0)
        FFaceIndex = FSuit * 13 + FValue;
    else
        FFaceIndex = (FSuit == 1 || FSuit == 2) ? 53 : 0;
}

void TPlayingCards::PaintNow()
{
    // A card that is not on a shown table has nothing to draw on yet.
    if (parentWidget() && parentWidget()->isVisible())
        repaint();
}

int TPlayingCards::PictureSlot() const
{
    switch (FSite) {
    case soFace:
        return CardArt::FaceSlot + (FFaceIndex >= 0 && FFaceIndex <= 53 ? FFaceIndex : 0);
    case soTool:
        return CardArt::ToolSlot;
    case soBack:
        return CardArt::BackSlot + (FBackIndex >= 0 && FBackIndex <= 1 ? FBackIndex : 0);
    }
    return CardArt::FaceSlot;
}

void TPlayingCards::paintEvent(QPaintEvent *)
{
    if (!parentWidget())
        return;
    const int slot = PictureSlot();
    const QSize logical = size();
    const qreal dpr = devicePixelRatioF();
    if (slot != FPictureSlot || FSelected != FPictureInverted || logical != FPictureSize
        || dpr != FPictureDpr) {
        FPicture = CardArt::Picture(slot, logical, dpr, FSelected);
        FPictureSlot = slot;
        FPictureInverted = FSelected;
        FPictureSize = logical;
        FPictureDpr = dpr;
    }
    if (FPicture.isNull())
        return;
    QPainter painter(this);
    painter.drawPixmap(0, 0, FPicture);
}

void TPlayingCards::enterEvent(QEnterEvent *event)
{
    QWidget::enterEvent(event);
    if (!FHover && isEnabled()) {
        if (OnMouseEnter)
            OnMouseEnter(this);
        FHover = true;
        update();
    }
}

void TPlayingCards::leaveEvent(QEvent *event)
{
    QWidget::leaveEvent(event);
    if (FHover && isEnabled()) {
        if (OnMouseLeave)
            OnMouseLeave(this);
        FHover = false;
        update();
    }
}

void TPlayingCards::mousePressEvent(QMouseEvent *event)
{
    // Accepted even without a handler: a press on a card never reaches the table.
    event->accept();
    if (OnMouseDown)
        OnMouseDown(this, event->button(), event->buttons(), event->modifiers(),
                    event->position().toPoint());
}

void TPlayingCards::mouseMoveEvent(QMouseEvent *event)
{
    event->accept();
    if (OnMouseMove)
        OnMouseMove(this, event->buttons(), event->modifiers(), event->position().toPoint());
}

void TPlayingCards::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
    if (OnMouseUp)
        OnMouseUp(this, event->button(), event->buttons(), event->modifiers(),
                  event->position().toPoint());
}

} // namespace lumo
