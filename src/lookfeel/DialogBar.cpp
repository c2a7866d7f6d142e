#include "lookfeel/DialogBar.h"

#include "lookfeel/GlassButton.h"
#include "lookfeel/LookColors.h"
#include "lookfeel/LookFonts.h"

#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

namespace lumo {

DialogBar::DialogBar(QWidget &window, QWidget &bar) : QObject(&bar), FWindow(window), FBar(bar)
{
    FBar.setCursor(Qt::SizeAllCursor);
    FBar.setMouseTracking(true);
    FBar.installEventFilter(this);
}

GlassButton *DialogBar::AddButton(const QString &caption)
{
    auto *button = new GlassButton(caption, &FBar);
    button->SetFaceColor(LookColors::FrameBlue());
    button->SetCornerRadius(10);
    button->setFont(LookFonts::GlassCaption(10));
    button->setCursor(Qt::PointingHandCursor);
    // The dialogs answer keys themselves; a focused button would take them.
    button->setFocusPolicy(Qt::NoFocus);
    button->setMouseTracking(true);
    button->installEventFilter(this);
    return button;
}

bool DialogBar::eventFilter(QObject *watched, QEvent *event)
{
    auto *button = qobject_cast<GlassButton *>(watched);
    if (button && (event->type() == QEvent::Enter || event->type() == QEvent::MouseMove)) {
        button->SetShineColor(LookColors::HoverLime());
    } else if (watched == &FBar) {
        if (event->type() == QEvent::MouseMove) {
            const QPoint at = static_cast<QMouseEvent *>(event)->position().toPoint();
            auto *over = qobject_cast<GlassButton *>(FBar.childAt(at));
            if (over && over->isVisible()) {
                over->SetShineColor(LookColors::HoverLime());
            } else {
                for (GlassButton *b : FBar.findChildren<GlassButton *>(Qt::FindDirectChildrenOnly))
                    if (b->ShineColor() == LookColors::HoverLime())
                        b->SetShineColor(Qt::white);
            }
        } else if (event->type() == QEvent::MouseButtonPress) {
            auto *mouse = static_cast<QMouseEvent *>(event);
            if (mouse->button() == Qt::LeftButton && !FWindow.isMaximized() && FWindow.windowHandle()) {
                // The window system moves the window with the pointer from here.
                FWindow.windowHandle()->startSystemMove();
                return true;
            }
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace lumo
