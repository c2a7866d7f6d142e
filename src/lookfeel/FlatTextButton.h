#pragma once
// Flat button showing only its caption: white bold text, hand cursor, a subtle
// light wash under the pointer, mnemonic underline ("&Neues Spiel").

#include <QAbstractButton>
#include <QColor>

namespace lumo {

class FlatTextButton : public QAbstractButton {
    Q_OBJECT

public:
    explicit FlatTextButton(QWidget *parent = nullptr);
    explicit FlatTextButton(const QString &caption, QWidget *parent = nullptr);

    Qt::Alignment Alignment() const { return FAlignment; }
    // Default: left, vertically centred, with a small indent.
    void SetAlignment(Qt::Alignment alignment);
    QColor TextColor() const { return FTextColor; }
    void SetTextColor(QColor color);

    QSize sizeHint() const override;

    // Where the caption's character at the given index (of the shown text,
    // without the mnemonic '&') is drawn: its left edge and the top of its
    // line, in the button's coordinates. A label in the same font placed
    // there covers that character exactly.
    QPoint CaptionCharacterPos(int index) const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    // The caption's line box, on whole pixels so that other text can be
    // laid exactly over it.
    QRect CaptionRect() const;

    Qt::Alignment FAlignment = Qt::AlignLeft | Qt::AlignVCenter;
    QColor FTextColor = Qt::white;
};

} // namespace lumo
