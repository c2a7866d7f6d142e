#include "companion/TForm_Message.h"

#include "LumoVersion.h"
#include "companion/DialogPlacement.h"
#include "companion/FadeWindow.h"
#include "companion/MessageDialog.h"
#include "companion/MessageLayout.h"
#include "lookfeel/DialogBar.h"
#include "lookfeel/GlassButton.h"
#include "lookfeel/GradientPanel.h"
#include "lookfeel/LookColors.h"
#include "lookfeel/LookFonts.h"
#include "lookfeel/MenuPainter.h"
#include "common/FileHelpers.h"
#include "common/QtTextHelpers.h"

#include <QAction>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollArea>
#include <QScreen>
#include <QWindow>

#include <algorithm>

namespace lumo {

namespace {

QString ForDisplay(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

} // namespace

TForm_Message::TForm_Message(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    setModal(true);
    setFont(LookFonts::Dialog(10, false));
    setWindowTitle(QStringLiteral("Informationen zu %1 Version %2")
                       .arg(QString::fromStdString(ProgramBaseName()), QStringLiteral(LUMO_VERSION)));

    StaticText1 = new QLabel;
    StaticText1->setFont(LookFonts::Dialog(10, true));
    StaticText1->setTextFormat(Qt::PlainText);
    StaticText1->setAutoFillBackground(true);
    QPalette textPalette = StaticText1->palette();
    textPalette.setColor(QPalette::Window, LookColors::LightBlue());
    textPalette.setColor(QPalette::WindowText, QColor(0, 0, 128));
    StaticText1->setPalette(textPalette);
    StaticText1->setContextMenuPolicy(Qt::CustomContextMenu);
    // The text can be selected and copied, so a long message such as the
    // crash report can be passed on.
    StaticText1->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    // A text taller or wider than the screen scrolls instead of pushing the
    // close button off the screen.
    FTextScroll = new QScrollArea(this);
    FTextScroll->setFrameShape(QFrame::NoFrame);
    FTextScroll->setWidgetResizable(true);
    FTextScroll->setFocusPolicy(Qt::NoFocus);
    FTextScroll->viewport()->setAutoFillBackground(true);
    FTextScroll->viewport()->setPalette(textPalette);
    FTextScroll->setWidget(StaticText1);

    PopupMenu = new QMenu(this);
    MenuPainter::Apply(PopupMenu);
    mClose = PopupMenu->addAction(QStringLiteral("ESC - Schließen"));
    connect(mClose, &QAction::triggered, this, [this] { done(mrNo); });
    connect(StaticText1, &QWidget::customContextMenuRequested, this, [this](const QPoint &at) {
        PopupMenu->popup(StaticText1->mapToGlobal(at));
    });

    PanBottom = new GradientPanel(LookColors::DarkBlue(), LookColors::LightBlue(),
                                  GradientPanel::Direction::Vertical, this);
    FBarInput = new DialogBar(*this, *PanBottom);

    btn_ok = MakeButton(QStringLiteral("&Schließen"));
    btn_yes = MakeButton(QStringLiteral("&Ja"));
    btn_no = MakeButton(QStringLiteral("&Nein"));
    connect(btn_yes, &QAbstractButton::clicked, this, [this] {
        FAnswer = true;
        done(mrYes);
    });
    connect(btn_ok, &QAbstractButton::clicked, this, [this] {
        FAnswer = true;
        done(mrOk);
    });
    connect(btn_no, &QAbstractButton::clicked, this, [this] { done(mrNo); });

    setWindowOpacity(240 / 255.0);
}

GlassButton *TForm_Message::MakeButton(const QString &caption)
{
    GlassButton *button = FBarInput->AddButton(caption);
    // Which buttons show depends on the message's kind.
    button->hide();
    return button;
}

int TForm_Message::LineHeight() const
{
    return QFontMetrics(LookFonts::Dialog(10, false)).size(Qt::TextSingleLine, QStringLiteral("Ö,y")).height();
}

void TForm_Message::Prepare(const QString &text, std::uint16_t buttons, const QString &prefix, bool centred)
{
    const QFontMetrics textMetrics(StaticText1->font());
    int widest = 0;
    for (const std::string &line : SplitMessageLines(text.toStdString()))
        widest = std::max(widest, textMetrics.horizontalAdvance(QString::fromStdString(line)));
    const int trimmedLines = static_cast<int>(SplitMessageLines(Trim(text).toStdString()).size());
    const QRect screen = AvailableArea();
    MessageLayout layout = LayoutMessage(std::min(widest, screen.width() - 40), LineHeight(), trimmedLines, buttons);
    layout.height = std::min(layout.height, screen.height());

    FDisplayed = QString::fromStdString(MessageDisplayText(text.toStdString(), prefix.toStdString()));
    StaticText1->setText(ForDisplay(FDisplayed));
    StaticText1->setAlignment((centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop);

    setFixedSize(layout.width, layout.height);
    const int inner = layout.width - 2 * kMessageBorder;
    const int barTop = layout.height - kMessageBorder - kMessageBarHeight;
    FTextScroll->setGeometry(kMessageBorder, kMessageBorder, inner, barTop - kMessageBorder);
    PanBottom->setGeometry(kMessageBorder, barTop, inner, kMessageBarHeight);

    btn_ok->setVisible(layout.showClose);
    btn_no->setVisible(layout.showNo);
    btn_yes->setVisible(layout.showYes);
    btn_ok->setGeometry(layout.closeLeft, kMessageButtonTop, kMessageButtonWidth, kMessageButtonHeight);
    btn_no->setGeometry(layout.noLeft, kMessageButtonTop, kMessageButtonWidth, kMessageButtonHeight);
    btn_yes->setGeometry(layout.yesLeft, kMessageButtonTop, kMessageButtonWidth, kMessageButtonHeight);
}

QRect TForm_Message::AvailableArea() const
{
    const QWidget *main = DialogMainWindow();
    const QScreen *screen = main ? main->screen() : nullptr;
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    // Without a screen nothing limits the size.
    return screen ? screen->availableGeometry() : QRect(0, 0, 1 << 20, 1 << 20);
}

void TForm_Message::showEvent(QShowEvent *event)
{
    CentreDialog(this);
    QDialog::showEvent(event);
}

void TForm_Message::done(int result)
{
    if (FClosing)
        return;
    FClosing = true;
    if (isVisible())
        FadeWindow(this, false, 5, 255);
    QDialog::done(result);
}

void TForm_Message::keyPressEvent(QKeyEvent *event)
{
    const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        done(mrYes);
        return;
    case Qt::Key_Escape:
        done(mrCancel);
        return;
    default:
        break;
    }
    // The underlined letter of a visible button presses it, with or without Alt.
    if (mods == Qt::NoModifier || mods == Qt::AltModifier) {
        GlassButton *target = nullptr;
        switch (event->key()) {
        case Qt::Key_J:
            target = btn_yes;
            break;
        case Qt::Key_N:
            target = btn_no;
            break;
        case Qt::Key_S:
            target = btn_ok;
            break;
        default:
            break;
        }
        if (target && target->isVisible()) {
            target->click();
            return;
        }
    }
    event->ignore();
}

void TForm_Message::paintEvent(QPaintEvent *)
{
    // The border: what the text area and the bar leave free around the edge.
    QPainter painter(this);
    painter.fillRect(rect(), LookColors::DarkBlue());
}

} // namespace lumo
