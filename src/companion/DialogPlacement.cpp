#include "companion/DialogPlacement.h"

#include "companion/MessageDialog.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace lumo {

void CentreDialog(QWidget *dialog)
{
    QWidget *main = DialogMainWindow();
    QRect area;
    if (main && main->isVisible()) {
        area = main->frameGeometry();
    } else {
        const QScreen *screen = (main ? main->screen() : nullptr);
        if (!screen)
            screen = QGuiApplication::primaryScreen();
        area = screen ? screen->geometry() : QRect(QPoint(0, 0), dialog->size());
    }
    const int left = std::max(0, (area.width() - dialog->width()) / 2 + area.left());
    const int top = std::max(0, (area.height() - dialog->height()) / 2 + area.top());
    dialog->move(left, top);
}

} // namespace lumo
