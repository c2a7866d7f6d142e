#include "persistence/SettingsPanel.h"

#include "persistence/PanelButton.h"

#include <QAbstractButton>
#include <QLabel>
#include <QPalette>

namespace lumo {

namespace {

const QColor kPanelColour(58, 110, 165);
const QColor kSeparatorColour(110, 150, 210);

QFrame *Separator(QWidget *parent, const QRect &geometry)
{
    auto *line = new QFrame(parent);
    line->setGeometry(geometry);
    line->setAutoFillBackground(true);
    QPalette palette = line->palette();
    palette.setColor(QPalette::Window, kSeparatorColour);
    line->setPalette(palette);
    return line;
}

} // namespace

SettingsPanel::SettingsPanel(UserSettings &settings, SettingsHost &host, QWidget *parent)
    : QFrame(parent), m_settings(settings), m_host(host)
{
    setObjectName(QStringLiteral("p_engine"));
    setFixedSize(167, 197);
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(1);
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, kPanelColour);
    setPalette(palette);

    m_heading = new QLabel(QStringLiteral("Einstellungen"), this);
    m_heading->setObjectName(QStringLiteral("Label1"));
    QFont headingFont = m_heading->font();
    headingFont.setPixelSize(13);
    headingFont.setBold(true);
    m_heading->setFont(headingFont);
    QPalette headingPalette = m_heading->palette();
    headingPalette.setColor(QPalette::WindowText, Qt::white);
    m_heading->setPalette(headingPalette);
    m_heading->adjustSize();
    m_heading->move(36, 7);

    Separator(this, QRect(1, 27, 164, 3))->setObjectName(QStringLiteral("Panel1"));
    m_sound = MakePanelButton(this, QStringLiteral("bt_soundonoff"), QRect(9, 35, 149, 25));
    m_music = MakePanelButton(this, QStringLiteral("btn_musik"), QRect(9, 64, 149, 25));
    m_bird = MakePanelButton(this, QStringLiteral("bt_vogel"), QRect(9, 93, 149, 25));
    m_animation = MakePanelButton(this, QStringLiteral("bt_ani"), QRect(9, 122, 149, 25));
    Separator(this, QRect(2, 154, 163, 3))->setObjectName(QStringLiteral("Panel2"));
    m_ok = MakePanelButton(this, QStringLiteral("bt_setupok"), QRect(50, 162, 65, 25));

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
