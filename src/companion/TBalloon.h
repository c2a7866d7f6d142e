#pragma once
// A speech-bubble window: a rounded body with an arrow whose tip touches a
// screen point, an optional bold title with icon, and a text. It never takes
// the focus, stays above other windows and closes itself after its duration or
// when clicked. Every open balloon of this process is tracked, so all of them
// can be closed at once without touching other programs' windows.

#include "companion/BalloonGeometry.h"

#include <QImage>
#include <QList>
#include <QTimer>
#include <QWidget>

class QLabel;

namespace lumo {

class TBalloon : public QWidget {
    Q_OBJECT

public:
    TBalloon();
    ~TBalloon() override;

    // How long showing waits at most for the display to expose the window.
    static constexpr int kFirstPaintWaitMs = 400;

    // Lays the window out, shapes it, places it so the arrow tip lies on
    // (x, y) and shows it without activating it. Text line breaks may be CR LF.
    // On return the balloon has been painted on the screen (unless the display
    // did not expose it within kFirstPaintWaitMs); meanwhile window and timer
    // events were processed, user input was not. A timer may have closed the
    // balloon meanwhile: look at it through a QPointer.
    void ShowBalloonAt(int x, int y, const QString &title, const QString &text, int balloonType,
                       int durationSeconds, TBalloonPosition position);

    QString Title() const { return FTitle; }
    QString Text() const { return FText; }
    TBalloonPosition Position() const { return FPosition; }
    const BalloonLayout &Layout() const { return FLayout; }
    bool IconShown() const { return FLayout.showIcon; }
    // It has painted at least once since it was last shown.
    bool Painted() const { return FPainted; }
    QString IconPath() const { return FIconPath; }
    int DurationSeconds() const { return FDuration; }
    QPoint ArrowTip() const;

    // The balloons of this process that are open now.
    static QList<TBalloon *> OpenBalloons();
    // Closes and destroys every open balloon, one after the other; returns how many.
    static int CloseAll();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void Shape();
    void Unregister();
    void AwaitFirstPaint();

    QLabel *FTitleLabel;
    QLabel *FTextLabel;
    QLabel *FIcon;
    QTimer FCloseTimer;
    QString FTitle;
    QString FText;
    QString FIconPath;
    int FDuration = 0;
    TBalloonPosition FPosition = blnArrowTopLeft;
    BalloonLayout FLayout;
    QImage FOutline;
    bool FPainted = false;
};

} // namespace lumo
