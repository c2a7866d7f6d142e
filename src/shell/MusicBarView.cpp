#include "shell/MusicBarView.h"

#include "persistence/SettingsPanel.h"
#include "shell/LumoForm.h"
#include "shell/MusicBar.h"
#include "timing/TCKMultimediaTimer.h"

#include <QAbstractButton>
#include <QLabel>

namespace lumo {

MusicBarView::MusicBarView(TLumoForm &form, TCKMultimediaTimer &musicTimer)
    : FForm(form), FMusicTimer(musicTimer)
{
}

SettingsPanel *MusicBarView::Panel() const
{
    return FForm.p_engine;
}

void MusicBarView::SetMusicLabel(const std::string &text)
{
    FForm.p_Sound->lb_midi->setText(QString::fromStdString(text));
}

void MusicBarView::SetMusicLabelHint(const std::string &hint)
{
    // Asked for at every device check; only a real change is passed on, as
    // every change makes the hint channel look at the pointer again.
    const QString text = QString::fromStdString(hint);
    if (FForm.p_Sound->lb_midi->toolTip() != text)
        FForm.p_Sound->lb_midi->setToolTip(text);
}

void MusicBarView::SetTrackButtonsVisible(bool visible)
{
    FForm.p_Sound->btn_prev->setVisible(visible);
    FForm.p_Sound->btn_next->setVisible(visible);
}

void MusicBarView::SetMusicSwitch(const std::string &caption, const std::string &hint, int mark)
{
    FMusicMark = mark;
    if (!Panel())
        return;
    Panel()->SetMusicButtonState(mark == 1);
    Panel()->btn_musik()->setText(QString::fromStdString(caption));
    const QString text = QString::fromStdString(hint);
    if (Panel()->btn_musik()->toolTip() != text)
        Panel()->btn_musik()->setToolTip(text);
}

void MusicBarView::SetMusicTimerEnabled(bool enabled)
{
    FMusicTimer.SetEnabled(enabled);
}

bool MusicBarView::MusicOn() const
{
    return FForm.FMusicOn;
}

bool MusicBarView::MusicTimerRunning() const
{
    return FMusicTimer.Enabled();
}

void MusicBarView::ClickMusicButton()
{
    // A click runs the button's handler whether or not the button is enabled.
    if (MusicButtonClick)
        MusicButtonClick();
}

int MusicBarView::SoundSwitchMark() const
{
    return Panel() ? Panel()->SoundMark() : 0;
}

void MusicBarView::SetSoundOn(bool on)
{
    FForm.FSoundOn = on;
}

void MusicBarView::SetSoundSwitchEnabled(bool enabled)
{
    if (Panel())
        Panel()->bt_soundonoff()->setEnabled(enabled);
}

} // namespace lumo
