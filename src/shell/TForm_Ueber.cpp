#include "shell/TForm_Ueber.h"

#include "LumoVersion.h"
#include "common/FileHelpers.h"
#include "common/QtTextHelpers.h"
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
#include "shell/TScrollingText.h"

#include <QAction>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QToolTip>
#include <QWindow>

#include <algorithm>

namespace lumo {

namespace {

QStringList SplitLines(const QString &text)
{
    QStringList lines;
    for (const std::string &line : SplitMessageLines(text.toStdString()))
        lines << QString::fromStdString(line);
    return lines;
}

const QScreen *TargetScreen()
{
    const QWidget *main = DialogMainWindow();
    if (main && main->screen())
        return main->screen();
    return QGuiApplication::primaryScreen();
}

} // namespace

TForm_Ueber::TForm_Ueber(QWidget *parent) : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    setModal(true);
    resize(DesignWidth, DesignHeight);

    ScrollingText = new TScrollingText(this);
    ScrollingText->setObjectName(QStringLiteral("ScrollingText"));

    PanBottom = new GradientPanel(LookColors::DarkBlue(), LookColors::LightBlue(),
                                  GradientPanel::Direction::Vertical, this);
    PanBottom->setObjectName(QStringLiteral("PanBottom"));
    auto *barInput = new DialogBar(*this, *PanBottom);
    btn_ende = barInput->AddButton(QStringLiteral("&Schließen"));
    btn_ende->setObjectName(QStringLiteral("btn_ende"));
    connect(btn_ende, &QAbstractButton::clicked, this, [this] { done(QDialog::Rejected); });

    PopupMenu = new QMenu(this);
    MenuPainter::Apply(PopupMenu);
    Schliessen1 = PopupMenu->addAction(QStringLiteral("ESC - Schließen"));
    Schliessen1->setObjectName(QStringLiteral("Schliessen1"));
    connect(Schliessen1, &QAction::triggered, this, [this] { done(QDialog::Rejected); });
    for (QWidget *source : {static_cast<QWidget *>(this), static_cast<QWidget *>(ScrollingText)}) {
        source->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(source, &QWidget::customContextMenuRequested, this,
                [this, source](const QPoint &at) { ShowContextMenu(source, at); });
    }

    FormCreate();
    LayOut();
}

void TForm_Ueber::FormCreate()
{
    if (const QWidget *main = DialogMainWindow()) {
        const QSize mainSize = main->frameGeometry().size();
        int w = width();
        int h = height();
        if (mainSize.height() >= 350)
            h = mainSize.height() - 80;
        if (mainSize.width() >= 500)
            w = mainSize.width() - 80;
        resize(w, h);
    }
    // Every tooltip of the program from now on.
    QPalette tips = QToolTip::palette();
    tips.setColor(QPalette::ToolTipBase, LookColors::LightBlue());
    QToolTip::setPalette(tips);

    setWindowTitle(QStringLiteral("Informationen zu %1 Version %2")
                       .arg(QString::fromStdString(ProgramBaseName()), QStringLiteral(LUMO_VERSION)));
    setWindowOpacity(220 / 255.0);

    ScrollingText->SetColor(QColor(154, 123, 31));
    ScrollingText->SetTextColor(QColor(0, 0, 128));
    ScrollingText->SetInterval(35);
}

void TForm_Ueber::SetText(const QString &text)
{
    const QStringList lines = SplitLines(text);
    ScrollingText->SetLines(lines);

    const QFontMetrics metrics(ScrollingText->BufferFont());
    int widest = 0;
    for (const QString &line : lines)
        widest = std::max(widest, metrics.horizontalAdvance(line));
    int w = widest + 20;
    int h = height();
    const int lineHeight = metrics.size(Qt::TextSingleLine, QStringLiteral("Ö,X")).height();
    const int needed = static_cast<int>(lines.size()) * lineHeight + 50;
    if (needed < h)
        h = needed;
    if (const QScreen *screen = TargetScreen(); screen && screen->geometry().width() < w)
        w = screen->geometry().width() - 20;
    setFixedSize(w, h);
    LayOut();
}

void TForm_Ueber::LayOut()
{
    const int inner = width() - 2 * BorderWidth;
    const int barTop = height() - BorderWidth - BarHeight;
    ScrollingText->setGeometry(BorderWidth, BorderWidth, inner, std::max(0, barTop - BorderWidth));
    PanBottom->setGeometry(BorderWidth, barTop, inner, BarHeight);
    btn_ende->setGeometry(ButtonLeft(width()), ButtonTop, ButtonWidth, ButtonHeight);
}

void TForm_Ueber::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    LayOut();
}

void TForm_Ueber::showEvent(QShowEvent *event)
{
    CentreDialog(this);
    QDialog::showEvent(event);
}

bool TForm_Ueber::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate)
        FormActivate();
    return QDialog::event(event);
}

void TForm_Ueber::FormActivate()
{
    if (!Trim(ScrollingText->Lines().join(QStringLiteral("\r\n"))).isEmpty())
        ScrollingText->SetActive(true);
}

void TForm_Ueber::done(int result)
{
    if (FClosing)
        return;
    FClosing = true;
    ScrollingText->SetActive(false);
    if (isVisible())
        FadeWindow(this, false, 5, 255);
    QDialog::done(result);
}

void TForm_Ueber::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
        done(QDialog::Rejected);
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // Enter does not close the box.
        event->accept();
        return;
    default:
        break;
    }
    event->ignore();
}

void TForm_Ueber::paintEvent(QPaintEvent *)
{
    // The border: what the roll and the bar leave free around the edge.
    QPainter painter(this);
    painter.fillRect(rect(), LookColors::DarkBlue());
}

void TForm_Ueber::ShowContextMenu(QWidget *source, const QPoint &at)
{
    PopupMenu->popup(source->mapToGlobal(at));
}

} // namespace lumo
