#pragma once
// The one modal window through which the program shows a message or asks a
// yes/no question. Frameless, slightly transparent, sized to its text, dragged
// by its bottom bar; it fades out when it closes.

#include <QDialog>

#include <cstdint>

class QAction;
class QLabel;
class QMenu;
class QScrollArea;

namespace lumo {

class DialogBar;
class GlassButton;
class GradientPanel;

class TForm_Message : public QDialog {
    Q_OBJECT

public:
    // What ended the modal loop; only the answer reaches the caller.
    enum ModalResult { mrNone = 0, mrOk = 1, mrCancel = 2, mrYes = 6, mrNo = 7 };

    explicit TForm_Message(QWidget *parent = nullptr);

    // Lays the window out for the text and the button mask (1 yes, 2 no, 4 close).
    void Prepare(const QString &text, std::uint16_t buttons, const QString &prefix, bool centred);

    // True only after a click on "&Ja" or "&Schließen".
    bool Answer() const { return FAnswer; }
    // Pixel height of "Ö,y" in the regular face of the text's size.
    int LineHeight() const;
    QString DisplayedText() const { return FDisplayed; }

    QLabel *TextArea() const { return StaticText1; }
    GradientPanel *Bar() const { return PanBottom; }
    GlassButton *YesButton() const { return btn_yes; }
    GlassButton *NoButton() const { return btn_no; }
    GlassButton *CloseButton() const { return btn_ok; }
    QAction *CloseMenuItem() const { return mClose; }

    // Fades out before the window goes.
    void done(int result) override;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    GlassButton *MakeButton(const QString &caption);
    // The screen area the dialog may cover: where the main window is.
    QRect AvailableArea() const;

    QScrollArea *FTextScroll;
    QLabel *StaticText1;
    GradientPanel *PanBottom;
    DialogBar *FBarInput;
    GlassButton *btn_ok;
    GlassButton *btn_yes;
    GlassButton *btn_no;
    QMenu *PopupMenu;
    QAction *mClose;
    QString FDisplayed;
    bool FAnswer = false;
    bool FClosing = false;
};

} // namespace lumo
