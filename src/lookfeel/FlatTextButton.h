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

protected:
    void paintEvent(QPaintEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    Qt::Alignment FAlignment = Qt::AlignLeft | Qt::AlignVCenter;
    QColor FTextColor = Qt::white;
    bool FHover = false;
};

} // namespace lumo
