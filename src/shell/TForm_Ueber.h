#pragma once
// The about box: a modal, frameless, slightly transparent window that shows a
// text as an endless credits roll above a blue bar with one close button. It
// is dragged by the bar and fades out when it closes. ShowAboutText creates
// one per call.

#include <QDialog>

class QAction;
class QMenu;

namespace lumo {

class GlassButton;
class GradientPanel;
class TScrollingText;

class TForm_Ueber : public QDialog {
    Q_OBJECT

public:
    static constexpr int BorderWidth = 2;
    static constexpr int BarHeight = 40;
    static constexpr int ButtonWidth = 99;
    static constexpr int ButtonHeight = 25;
    static constexpr int ButtonTop = 7;
    // The size it has without a main window to take its size from.
    static constexpr int DesignWidth = 712;
    static constexpr int DesignHeight = 461;

    explicit TForm_Ueber(QWidget *parent = nullptr);

    // Fills the roll with the lines of the text and sizes the window to them.
    void SetText(const QString &text);

    // The left edge of the close button inside the bar for the window width.
    static int ButtonLeft(int windowWidth) { return (windowWidth - ButtonWidth) / 2; }

    TScrollingText *Roll() const { return ScrollingText; }
    GradientPanel *Bar() const { return PanBottom; }
    GlassButton *CloseButton() const { return btn_ende; }
    QMenu *ContextMenu() const { return PopupMenu; }
    QAction *CloseMenuItem() const { return Schliessen1; }

    // Fades out before the window goes.
    void done(int result) override;

protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void FormCreate();
    void FormActivate();
    void LayOut();
    void ShowContextMenu(QWidget *source, const QPoint &at);

    TScrollingText *ScrollingText;
    GradientPanel *PanBottom;
    GlassButton *btn_ende;
    QMenu *PopupMenu;
    QAction *Schliessen1;
    bool FClosing = false;
};

} // namespace lumo
