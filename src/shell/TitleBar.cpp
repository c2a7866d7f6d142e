#include "shell/TitleBar.h"

#include "companion/CompanionArt.h"
#include "lookfeel/GlassButton.h"
#include "lookfeel/ImageButton.h"
#include "lookfeel/LookColors.h"
#include "lookfeel/LookFonts.h"
#include "lookfeel/TableArt.h"

#include <QLabel>

namespace lumo {

namespace {

QAbstractButton *TitleButton(QWidget *parent, const char *svg, int left, const char *objectName,
    const QString &hint)
{
    auto *b = new ImageButton(QString::fromLatin1(svg), parent);
    b->setObjectName(QString::fromLatin1(objectName));
    b->setGeometry(left, 7, 25, 25);
    b->setToolTip(hint);
    b->setCursor(Qt::PointingHandCursor);
    b->setFocusPolicy(Qt::NoFocus);
    return b;
}

} // namespace

TitleBar::TitleBar(QWidget *parent)
    : GradientPanel(LookColors::FrameBlue(), LookColors::FrameBlue(), Direction::Vertical, parent)
{
    setObjectName(QStringLiteral("panel_menue"));
    SetRaisedBevel(1);

    i_logo = CompanionArt::MakeBirdLogo(this);
    i_logo->setObjectName(QStringLiteral("i_logo"));
    i_logo->setGeometry(1, 1, 30, 36);
    i_logo->setCursor(Qt::PointingHandCursor);

    auto *menu = new GlassButton(QStringLiteral("Menü"), this);
    menu->setObjectName(QStringLiteral("bt_menue"));
    menu->setGeometry(46, 19, 60, 19);
    menu->setFont(LookFonts::Dialog(10, true));
    menu->SetCornerRadius(6);
    menu->setCursor(Qt::PointingHandCursor);
    menu->setFocusPolicy(Qt::NoFocus);
    bt_menue = menu;

    lb_menue = new QLabel(this);
    lb_menue->setObjectName(QStringLiteral("lb_menue"));
    lb_menue->move(118, 16);
    lb_menue->setFont(LookFonts::ArialPixels(16, true));
    lb_menue->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
    lb_menue->setCursor(Qt::PointingHandCursor);
    lb_menue->setToolTip(QStringLiteral("Drücke \"F1\" für Informationen zu Lumo"));

    bt_help = TitleButton(this, TableArt::TitleHelp, 675, "bt_help", QStringLiteral("Hilfestellung"));
    btn_InternetUpdate = TitleButton(this, TableArt::TitleUpdate, 702, "btn_InternetUpdate",
        QStringLiteral("Internetupdate"));
    bt_minimize = TitleButton(this, TableArt::TitleMinimize, 729, "bt_minimize",
        QStringLiteral("Minimieren"));
    bt_ende = TitleButton(this, TableArt::TitleClose, 756, "bt_ende",
        QStringLiteral("Programm beenden"));
}

} // namespace lumo
