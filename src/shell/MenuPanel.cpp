#include "shell/MenuPanel.h"

#include "lookfeel/FlatTextButton.h"
#include "lookfeel/LookColors.h"
#include "lookfeel/LookFonts.h"

#include <QAbstractButton>
#include <QLabel>

namespace lumo {

namespace {

QAbstractButton *Entry(QWidget *parent, int top, const char *objectName, const QString &caption,
    const QString &hint = QString())
{
    auto *b = new FlatTextButton(caption, parent);
    b->setObjectName(QString::fromLatin1(objectName));
    b->setGeometry(6, top, 144, 20);
    b->setFont(LookFonts::ArialPixels(13, true));
    b->setCursor(Qt::PointingHandCursor);
    b->setFocusPolicy(Qt::NoFocus);
    b->setToolTip(hint);
    return b;
}

void Separator(QWidget *parent, int top, const char *objectName)
{
    auto *line = new GradientPanel(LookColors::SeparatorBlue(), LookColors::SeparatorBlue(),
        GradientPanel::Direction::Vertical, parent);
    line->setObjectName(QString::fromLatin1(objectName));
    line->setGeometry(6, top, 144, 3);
}

} // namespace

MenuPanel::MenuPanel(QWidget *parent)
    : GradientPanel(LookColors::FrameBlue(), LookColors::FrameBlue(), Direction::Vertical, parent)
{
    setObjectName(QStringLiteral("p_menue"));
    SetRaisedBevel(1);
    resize(155, 240);

    bt_neu = Entry(this, 6, "bt_neu", QStringLiteral("&Neues Spiel"),
        QStringLiteral("Neues Spiel beginnen"));
    bt_stufe1 = Entry(this, 29, "bt_stufe1", QStringLiteral("Schwierigkeitstufe 1"));
    bt_stufe2 = Entry(this, 52, "bt_stufe2", QStringLiteral("Schwierigkeitstufe 2"));
    bt_stufe3 = Entry(this, 75, "bt_stufe3", QStringLiteral("Schwierigkeitstufe 3"));
    Separator(this, 98, "Panel6");
    bt_setup = Entry(this, 104, "bt_setup", QStringLiteral("Einstellungen"),
        QStringLiteral("Einstellungen:\r\n- Sound\r\n- Animation"));
    Separator(this, 127, "Panel5");
    // Shown only once a mail program has been found.
    bt_mail = Entry(this, 135, "bt_mail", QStringLiteral("E-Mail an den Autor"));
    bt_mail->hide();
    bt_download = Entry(this, 159, "bt_download", QStringLiteral("Download Update"),
        QStringLiteral("Update via Internet"));
    bt_helpm = Entry(this, 183, "bt_helpm", QStringLiteral("Hilfe"));
    Separator(this, 207, "Panel4");
    bt_exit = Entry(this, 214, "bt_exit", QStringLiteral("&Ende"));

    lb_stufe = new QLabel(this);
    lb_stufe->setObjectName(QStringLiteral("lb_stufe"));
    QFont font = LookFonts::ArialPixels(13, true);
    font.setUnderline(true);
    lb_stufe->setFont(font);
    lb_stufe->setStyleSheet(QStringLiteral("color: rgb(0, 255, 0); background: transparent;"));
    // The mark lies over the right end of its button and must not swallow its clicks.
    lb_stufe->setAttribute(Qt::WA_TransparentForMouseEvents);
    ShowLevel(1);
}

QAbstractButton *MenuPanel::LevelButton(int level) const
{
    switch (level) {
    case 1: return bt_stufe1;
    case 2: return bt_stufe2;
    case 3: return bt_stufe3;
    default: return nullptr;
    }
}

void MenuPanel::ShowLevel(int level)
{
    QAbstractButton *button = LevelButton(level);
    if (!button)
        return;
    const QString digit = QString::number(level);
    lb_stufe->setText(digit);
    lb_stufe->adjustSize();
    // The green digit marks the level by covering the caption's own digit
    // (at about 131, Top + 2 with the designed font); taken from the caption's
    // layout so it covers it whatever face stands in for Arial.
    auto *flat = qobject_cast<FlatTextButton *>(button);
    const int index = button->text().lastIndexOf(digit);
    const QPoint at = flat && index >= 0 ? button->pos() + flat->CaptionCharacterPos(index)
                                         : QPoint(131, button->y() + 2);
    lb_stufe->move(at);
    lb_stufe->raise();
}

} // namespace lumo
