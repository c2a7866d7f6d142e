#pragma once
// The thin bar along the bottom edge with the music status and the two track
// buttons. What they do is wired by the music player.

#include "lookfeel/GradientPanel.h"

class QAbstractButton;
class QLabel;

namespace lumo {

class MusicBar : public GradientPanel {
    Q_OBJECT
public:
    static constexpr int BarHeight = 17;

    explicit MusicBar(QWidget *parent = nullptr);

    QAbstractButton *btn_prev = nullptr;
    QLabel *lb_midi = nullptr;
    QAbstractButton *btn_next = nullptr;

signals:
    // A left click on lb_midi (pressed and released on it).
    void lb_midiClicked();

protected:
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool FLabelPressed = false;
};

} // namespace lumo
