#include "persistence/SettingsPanel.h"

#include "lookfeel/GradientButton.h"
#include "lookfeel/LookColors.h"
#include "lookfeel/LookFonts.h"

#include <QAbstractButton>
#include <QLabel>
#include <QPalette>

namespace lumo {

namespace {

QWidget *Separator(QWidget *parent, const QString &name, const QRect &geometry)
{
    auto *line = new GradientPanel(parent);
    line->setObjectName(name);
    line->SetColor(LookColors::SeparatorBlue());
    line->setGeometry(geometry);
    return line;
}

QAbstractButton *PanelButton(QWidget *parent, const QString &name, const QRect &geometry)
{
    auto *button = new GradientButton(parent);
    button->setObjectName(name);
    button->setGeometry(geometry);
    return button;
}

} // namespace

SettingsPanel::SettingsPanel(UserSettings &settings, SettingsHost &host, QWidget *parent)
    : GradientPanel(parent), m_settings(settings), m_host(host)
{
    setObjectName(QStringLiteral("p_engine"));
    setFixedSize(167, 197);
    SetColor(LookColors::FrameBlue());
    SetRaisedBevel(1);

    m_heading = new QLabel(QStringLiteral("Einstellungen"), this);
    m_heading->setObjectName(QStringLiteral("Label1"));
    m_heading->setFont(LookFonts::Dialog(10, true));
    QPalette headingPalette = m_heading->palette();
    headingPalette.setColor(QPalette::WindowText, Qt::white);
    m_heading->setPalette(headingPalette);
    m_heading->adjustSize();
    m_heading->move(36, 7);

    Separator(this, QStringLiteral("Panel1"), QRect(1, 27, 164, 3));
    m_sound = PanelButton(this, QStringLiteral("bt_soundonoff"), QRect(9, 35, 149, 25));
    m_music = PanelButton(this, QStringLiteral("btn_musik"), QRect(9, 64, 149, 25));
    m_bird = PanelButton(this, QStringLiteral("bt_vogel"), QRect(9, 93, 149, 25));
    m_animation = PanelButton(this, QStringLiteral("bt_ani"), QRect(9, 122, 149, 25));
    Separator(this, QStringLiteral("Panel2"), QRect(2, 154, 163, 3));
    m_ok = PanelButton(this, QStringLiteral("bt_setupok"), QRect(50, 162, 65, 25));

    SetCaption(m_sound, QStringLiteral("Sound ausschalten"));
    SetCaption(m_music, QStringLiteral("Musik ausschalten"));
    SetCaption(m_bird, QStringLiteral("Hilfstexte nicht anzeigen"));
    SetCaption(m_animation, QStringLiteral("Animation einschalten"));
    m_ok->setText(QStringLiteral("ok"));
    m_ok->setToolTip(QStringLiteral("Einstellungen schließen"));

    connect(m_sound, &QAbstractButton::clicked, this, [this] { bt_SoundonoffClick(); });
    connect(m_bird, &QAbstractButton::clicked, this, [this] { bt_vogelClick(); });
    connect(m_animation, &QAbstractButton::clicked, this, [this] { bt_aniClick(); });
    connect(m_ok, &QAbstractButton::clicked, this, [this] { bt_setupokClick(); });
    // btn_musik belongs to the music switch, which the main window connects.

    hide();
}

void SettingsPanel::SetCaption(QAbstractButton *button, const QString &caption)
{
    button->setText(caption);
    button->setToolTip(caption);
}

void SettingsPanel::bt_setupokClick()
{
    m_host.CloseMenu();
    if (isVisible()) {
        hide();
        return;
    }
    if (const QWidget *main = parentWidget()) {
        // Integer division truncates toward zero, as the layout expects.
        move((main->x() + main->width()) / 2 - width() / 2,
             (main->y() + main->height()) / 2 - height() / 2);
    }
    SetCaption(m_animation, m_settings.FAnimationOn ? QStringLiteral("Animation ausschalten")
                                                    : QStringLiteral("Animation einschalten"));
    SetCaption(m_sound, m_settings.FSoundOn ? QStringLiteral("Sound ausschalten")
                                            : QStringLiteral("Sound einschalten"));
    m_bird->setToolTip(m_bird->text());
    show();
    raise();
}

void SettingsPanel::bt_SoundonoffClick()
{
    if (!m_settings.FSoundOn) {
        m_settings.FSoundOn = true;
        m_soundMark = 1;
        SetCaption(m_sound, QStringLiteral("Sound ausschalten"));
        m_host.PlaySwitchOnTone();
    } else {
        m_settings.FSoundOn = false;
        m_soundMark = 0;
        SetCaption(m_sound, QStringLiteral("Sound einschalten"));
    }
}

void SettingsPanel::bt_aniClick()
{
    if (!m_host.Ready())
        return;
    if (m_settings.FAnimationOn) {
        m_host.SetAnimation(false);
        SetCaption(m_animation, QStringLiteral("Animation einschalten"));
    } else {
        m_host.SetAnimation(true);
        SetCaption(m_animation, QStringLiteral("Animation ausschalten"));
    }
}

void SettingsPanel::bt_vogelClick()
{
    m_host.CloseMenu();
    if (m_settings.FHintsOn) {
        m_host.DetachHintChannel();
        m_settings.FHintsOn = false;
        SetCaption(m_bird, QStringLiteral("Hilfstexte zeigen"));
    } else {
        m_host.AttachHintChannel();
        m_settings.FHintsOn = true;
        SetCaption(m_bird, QStringLiteral("Hilfstexte nicht zeigen"));
    }
}

void SettingsPanel::SetMusicButtonState(bool on)
{
    m_music->setText(on ? QStringLiteral("Musik aus") : QStringLiteral("Musik ein"));
    m_music->setToolTip(on ? QStringLiteral("Musik ausschalten") : QStringLiteral("Musik einschalten"));
    m_musicMark = on ? 1 : 0;
}

} // namespace lumo
