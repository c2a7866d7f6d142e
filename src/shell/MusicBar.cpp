#include "shell/MusicBar.h"

#include "lookfeel/FlatTextButton.h"
#include "lookfeel/LookColors.h"
#include "lookfeel/LookFonts.h"

#include <QLabel>
#include <QMouseEvent>

namespace lumo {

namespace {

QAbstractButton *TrackButton(QWidget *parent, const char *objectName, const QString &caption,
    const QString &hint)
{
    auto *b = new FlatTextButton(caption, parent);
    b->setObjectName(QString::fromLatin1(objectName));
    b->SetAlignment(Qt::AlignCenter);
    b->setFont(LookFonts::Dialog(8, true));
    b->setCursor(Qt::PointingHandCursor);
    b->setFocusPolicy(Qt::NoFocus);
    b->setToolTip(hint);
    b->hide();
    return b;
}

} // namespace

MusicBar::MusicBar(QWidget *parent)
    : GradientPanel(LookColors::TableGreen(), LookColors::FrameBlue(), Direction::Vertical, parent)
{
    setObjectName(QStringLiteral("p_Sound"));
    btn_prev = TrackButton(this, "btn_prev", QStringLiteral("<<"), QStringLiteral("vorheriger Musiktitel"));
    btn_next = TrackButton(this, "btn_next", QStringLiteral(">>"), QStringLiteral("Nächster Musiktitel"));

    lb_midi = new QLabel(QStringLiteral("Hintergrundmusik ist aus."), this);
    lb_midi->setObjectName(QStringLiteral("lb_midi"));
    lb_midi->setAlignment(Qt::AlignCenter);
    lb_midi->setFont(LookFonts::ArialPixels(11, true));
    lb_midi->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
    lb_midi->setCursor(Qt::PointingHandCursor);
    lb_midi->setToolTip(QStringLiteral("Musik einschalten"));
    lb_midi->installEventFilter(this);
    resize(788, BarHeight);
}

void MusicBar::resizeEvent(QResizeEvent *event)
{
    GradientPanel::resizeEvent(event);
    btn_prev->setGeometry(0, 0, 25, 17);
    btn_next->setGeometry(width() - 25, 0, 25, 16);
    lb_midi->setGeometry(25, 0, width() - 50, height());
}

bool MusicBar::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == lb_midi) {
        if (event->type() == QEvent::MouseButtonPress) {
            FLabelPressed = static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton;
        } else if (event->type() == QEvent::MouseButtonRelease && FLabelPressed) {
            FLabelPressed = false;
            const auto *mouse = static_cast<QMouseEvent *>(event);
            if (mouse->button() == Qt::LeftButton && lb_midi->rect().contains(mouse->position().toPoint()))
                emit lb_midiClicked();
        }
    }
    return GradientPanel::eventFilter(watched, event);
}

} // namespace lumo
