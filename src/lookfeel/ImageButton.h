#pragma once
// Small picture button (the title bar's 25 x 25 buttons). Shows an SVG picture;
// hover and pressed pictures may be given, otherwise they are derived from the
// normal one (brighter under the pointer, darker and shifted when pressed).

#include <QAbstractButton>
#include <QString>

namespace lumo {

class ImageButton : public QAbstractButton {
    Q_OBJECT

public:
    explicit ImageButton(QWidget *parent = nullptr);
    ImageButton(const QString &normalSvg, QWidget *parent = nullptr);

    void SetImages(const QString &normalSvg, const QString &hoverSvg = QString(),
                   const QString &pressedSvg = QString());
    QString NormalImage() const { return FNormal; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    QString FNormal;
    QString FHoverPath;
    QString FPressed;
};

} // namespace lumo
