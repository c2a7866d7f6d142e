#include "lookfeel/MenuPainter.h"

#include "lookfeel/LookColors.h"
#include "lookfeel/LookFonts.h"

#include <QLinearGradient>
#include <QMenu>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOptionMenuItem>

#include <algorithm>

namespace lumo {

namespace {

const QColor kNavy(0, 0, 128);

} // namespace

MenuPainter::MenuPainter() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion")))
{
}

void MenuPainter::Apply(QMenu *menu)
{
    auto *painter = new MenuPainter;
    painter->setParent(menu);
    menu->setStyle(painter);
    menu->setFont(LookFonts::Dialog(9, true));
}

void MenuPainter::drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                              const QWidget *widget) const
{
    const auto *item = qstyleoption_cast<const QStyleOptionMenuItem *>(option);
    if (element != CE_MenuItem || !item) {
        QProxyStyle::drawControl(element, option, painter, widget);
        return;
    }
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    const QRect area = item->rect;
    painter->fillRect(area, LookColors::LightBlue());

    if (item->menuItemType == QStyleOptionMenuItem::Separator) {
        const int y = area.center().y();
        painter->fillRect(QRect(area.left() + 6, y, area.width() - 12, 1), LookColors::SeparatorBlue());
        painter->restore();
        return;
    }

    const bool enabled = item->state & State_Enabled;
    const bool selected = enabled && (item->state & State_Selected);
    if (selected) {
        const QRectF band = QRectF(area).adjusted(2.5, 1.5, -2.5, -1.5);
        QLinearGradient fill(band.topLeft(), band.bottomLeft());
        fill.setColorAt(0.0, LookColors::FrameBlue().lighter(120));
        fill.setColorAt(1.0, LookColors::DarkBlue());
        painter->setPen(QPen(LookColors::DarkBlue().darker(130), 1.0));
        painter->setBrush(fill);
        painter->drawRoundedRect(band, 4, 4);
    }

    // Shortcut text after a tab is not shown: the items stand centred alone.
    const QString caption = item->text.section(QLatin1Char('\t'), 0, 0);
    QColor ink = selected ? QColor(Qt::white) : kNavy;
    if (!enabled)
        ink = QColor(120, 130, 150);
    painter->setFont(item->font);
    painter->setPen(ink);
    painter->drawText(area, Qt::AlignCenter | Qt::TextShowMnemonic | Qt::TextSingleLine, caption);
    painter->restore();
}

void MenuPainter::drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                                const QWidget *widget) const
{
    if (element == PE_PanelMenu || element == PE_FrameMenu) {
        const QRect area = option->rect;
        if (element == PE_PanelMenu)
            painter->fillRect(area, LookColors::LightBlue());
        painter->setPen(LookColors::DarkBlue());
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(area.adjusted(0, 0, -1, -1));
        return;
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

QSize MenuPainter::sizeFromContents(ContentsType type, const QStyleOption *option, const QSize &size,
                                    const QWidget *widget) const
{
    QSize result = QProxyStyle::sizeFromContents(type, option, size, widget);
    if (type == CT_MenuItem) {
        const auto *item = qstyleoption_cast<const QStyleOptionMenuItem *>(option);
        if (item && item->menuItemType != QStyleOptionMenuItem::Separator) {
            const QFontMetrics metrics(item->font);
            const int text = metrics.horizontalAdvance(QString(item->text).remove(QLatin1Char('&')));
            result.setWidth(std::max(result.width(), text + 40));
            result.setHeight(std::max(result.height(), metrics.height() + 8));
        } else {
            result.setHeight(7);
        }
    }
    return result;
}

int MenuPainter::pixelMetric(PixelMetric metric, const QStyleOption *option, const QWidget *widget) const
{
    if (metric == PM_MenuPanelWidth)
        return 1;
    if (metric == PM_MenuHMargin || metric == PM_MenuVMargin)
        return 2;
    return QProxyStyle::pixelMetric(metric, option, widget);
}

} // namespace lumo
