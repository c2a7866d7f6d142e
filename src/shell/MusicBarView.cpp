#include "shell/MusicBarView.h"

#include "persistence/SettingsPanel.h"
#include "persistence/UserSettings.h"
#include "shell/MusicBar.h"
#include "timing/TCKMultimediaTimer.h"

#include <QAbstractButton>
#include <QLabel>

#include <utility>

namespace lumo {

MusicBarView::MusicBarView(MusicBar &bar, SettingsPanel &panel, UserSettings &settings,
    TCKMultimediaTimer &musicTimer, std::function<void()> musicButtonClick)
    : FBar(bar),
      FPanel(panel),
      FSettings(settings),
      FMusicTimer(musicTimer),
      FMusicButtonClick(std::move(musicButtonClick))
{
}

void MusicBarView::SetMusicLabel(const std::string &text)
{
    FBar.lb_midi->setText(QString::fromStdString(text));
}

void MusicBarView::SetMusicLabelHint(const std::string &hint)
{
    // Asked for at every device check; only a real change is passed on, as
    // every change makes the hint channel look at the pointer again.
    const QString text = QString::fromStdString(hint);
    if (FBar.lb_midi->toolTip() != text)
        FBar.lb_midi->setToolTip(text);
}

void MusicBarView::SetTrackButtonsVisible(bool visible)
{
    FBar.btn_prev->setVisible(visible);
    FBar.btn_next->setVisible(visible);
}

void MusicBarView::SetMusicSwitch(const std::string &caption, const std::string &hint, int mark)
{
    FMusicMark = mark;
    FPanel.SetMusicButtonState(mark == 1);
    FPanel.btn_musik()->setText(QString::fromStdString(caption));
    const QString text = QString::fromStdString(hint);
    if (FPanel.btn_musik()->toolTip() != text)
        FPanel.btn_musik()->setToolTip(text);
}

void MusicBarView::SetMusicTimerEnabled(bool enabled)
{
    FMusicTimer.SetEnabled(enabled);
}

bool MusicBarView::MusicOn() const
{
    return FSettings.FMusicOn;
}

bool MusicBarView::MusicTimerRunning() const
{
    return FMusicTimer.Enabled();
}

void MusicBarView::ClickMusicButton()
{
    // A click runs the button's handler whether or not the button is enabled.
    FMusicButtonClick();
}

int MusicBarView::SoundSwitchMark() const
{
    return FPanel.SoundMark();
}

void MusicBarView::SetSoundOn(bool on)
{
    FSettings.FSoundOn = on;
}

void MusicBarView::SetSoundSwitchEnabled(bool enabled)
{
    FPanel.bt_soundonoff()->setEnabled(enabled);
}

} // namespace lumo
