#pragma once
// The settings panel p_engine on the main panel: sound, music, bird hints and
// animation switches. Each switch button shows the action of its next click,
// and its hint (tool tip) repeats the caption.

#include "persistence/SettingsHost.h"
#include "persistence/UserSettings.h"

#include "lookfeel/GradientPanel.h"

class QAbstractButton;
class QLabel;

namespace lumo {

class SettingsPanel : public GradientPanel {
    Q_OBJECT
public:
    // The panel lies on the main panel (its parent) and starts hidden.
    SettingsPanel(UserSettings &settings, SettingsHost &host, QWidget *parent = nullptr);

    QAbstractButton *bt_soundonoff() const { return m_sound; }
    QAbstractButton *btn_musik() const { return m_music; }
    QAbstractButton *bt_vogel() const { return m_bird; }
    QAbstractButton *bt_ani() const { return m_animation; }
    QAbstractButton *bt_setupok() const { return m_ok; }

    // 1 after the user last switched sound on, 0 after switching it off.
    int SoundMark() const { return m_soundMark; }
    // Set by the music switch together with the music button's caption.
    int MusicMark() const { return m_musicMark; }

    // Opens the panel centred on the main panel, or closes it when open.
    // Also the click handler of the menu's settings button.
    void bt_setupokClick();
    void bt_SoundonoffClick();
    void bt_aniClick();
    void bt_vogelClick();

    // Caption, hint and mark of btn_musik for the music switch's state.
    void SetMusicButtonState(bool on);

private:
    static void SetCaption(QAbstractButton *button, const QString &caption);

    UserSettings &m_settings;
    SettingsHost &m_host;
    QLabel *m_heading = nullptr;
    QAbstractButton *m_sound = nullptr;
    QAbstractButton *m_music = nullptr;
    QAbstractButton *m_bird = nullptr;
    QAbstractButton *m_animation = nullptr;
    QAbstractButton *m_ok = nullptr;
    int m_soundMark = 0;
    int m_musicMark = 0;
};

} // namespace lumo
