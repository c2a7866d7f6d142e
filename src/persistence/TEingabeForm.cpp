#include "persistence/TEingabeForm.h"

#include "lookfeel/GlassButton.h"
#include "lookfeel/LookColors.h"
#include "lookfeel/LookFonts.h"
#include "common/QtTextHelpers.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QAbstractButton>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#include <algorithm>
#include <utility>

namespace lumo {

namespace {

const QColor kNavy(0, 0, 128);

QFont DialogFont() { return LookFonts::Dialog(10, true); }

QAbstractButton *DialogButton(QWidget *parent, const QString &name, const QString &caption,
                              const QRect &geometry)
{
    auto *button = new GlassButton(caption, parent);
    button->setObjectName(name);
    button->setGeometry(geometry);
    button->SetFaceColor(LookColors::FrameBlue());
    return button;
}

} // namespace

TEingabeForm::TEingabeForm(const QString &mode, InfoFunction showInfo, QWidget *mainWindow)
    : QDialog(nullptr, Qt::Dialog | Qt::FramelessWindowHint), m_mode(mode),
      m_showInfo(std::move(showInfo))
{
    setObjectName(QStringLiteral("TEingabeForm"));
    setFixedSize(284, 169);
    setWindowOpacity(200.0 / 255.0);

    m_heading = new QLabel(this);
    m_heading->setObjectName(QStringLiteral("lb_hs"));
    m_heading->setGeometry(0, 0, width(), 44);
    m_heading->setAlignment(Qt::AlignCenter);
    m_heading->setFont(DialogFont());
    QPalette headingPalette = m_heading->palette();
    headingPalette.setColor(QPalette::WindowText, kNavy);
    m_heading->setPalette(headingPalette);

    m_name = new QLineEdit(this);
    m_name->setObjectName(QStringLiteral("edt_name"));
    m_name->setGeometry(30, 42, 216, 24);
    m_name->setFont(DialogFont());
    QPalette namePalette = m_name->palette();
    namePalette.setColor(QPalette::Text, kNavy);
    m_name->setPalette(namePalette);

    m_ok = DialogButton(this, QStringLiteral("btn_ok"), QStringLiteral("ok"), QRect(32, 82, 75, 25));
    m_cancel = DialogButton(this, QStringLiteral("btn_cancel"), QStringLiteral("Abbruch"),
                            QRect(176, 82, 75, 25));
    connect(m_ok, &QAbstractButton::clicked, this, [this] { btn_okClick(); });
    connect(m_cancel, &QAbstractButton::clicked, this, [this] { btn_cancelClick(); });

    // The window sees every key before its controls.
    for (QWidget *child : {static_cast<QWidget *>(m_name), static_cast<QWidget *>(m_ok),
                           static_cast<QWidget *>(m_cancel)})
        child->installEventFilter(this);

    SetHeading(QStringLiteral("Eintrag in die Bestenliste\r\nBitte den Namen eingeben!"));
    PlaceOver(mainWindow);
}

void TEingabeForm::SetHeading(const QString &text)
{
    m_headingText = text;
    QString shown = text;
    m_heading->setText(shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

void TEingabeForm::PlaceOver(QWidget *mainWindow)
{
    QRect area;
    if (mainWindow && mainWindow->isVisible()) {
        area = mainWindow->frameGeometry();
    } else if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        area = screen->geometry();
    }
    if (area.isEmpty())
        return;
    move(std::max(0, area.left() + (area.width() - width()) / 2),
         std::max(0, area.top() + (area.height() - height()) / 2));
}

void TEingabeForm::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (m_modeApplied)
        return;
    m_modeApplied = true;
    // Queued so that the modal loop is running when an invalid mode closes
    // the dialog again.
    QTimer::singleShot(0, this, [this] { ApplyMode(); });
}

void TEingabeForm::ApplyMode()
{
    if (Trim(m_mode).compare(QStringLiteral("punkte"), Qt::CaseInsensitive) == 0) {
        SetHeading(QStringLiteral("Du kannst dich in die\r\nBestenliste eintragen!"));
        m_name->setVisible(true);
        m_name->setEchoMode(QLineEdit::Normal);
        m_name->setMaxLength(12);
        m_name->clear();
        if (m_name->isEnabled() && m_name->isVisible())
            m_name->setFocus(Qt::OtherFocusReason);
        return;
    }
    if (m_showInfo)
        m_showInfo(QStringLiteral("Ungültiger Parameter!"));
    btn_cancelClick();
}

void TEingabeForm::btn_okClick()
{
    m_result = Trim(m_name->text());
    accept();
}

void TEingabeForm::btn_cancelClick()
{
    m_result.clear();
    m_name->clear();
    reject();
}

bool TEingabeForm::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            btn_okClick();
            return true;
        }
        if (key == Qt::Key_Escape) {
            btn_cancelClick();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TEingabeForm::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        btn_okClick();
        return;
    }
    if (event->key() == Qt::Key_Escape) {
        btn_cancelClick();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TEingabeForm::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    QLinearGradient gradient(0, 0, 0, height());
    gradient.setColorAt(0.0, LookColors::LightBlue());
    gradient.setColorAt(1.0, LookColors::DarkBlue());
    painter.fillRect(rect(), gradient);
}

void TEingabeForm::mousePressEvent(QMouseEvent *event)
{
    const bool dragButton = event->button() == Qt::LeftButton || event->button() == Qt::RightButton;
    if (!dragButton || isMinimized() || isMaximized()) {
        QDialog::mousePressEvent(event);
        return;
    }
    if (event->button() == Qt::LeftButton)
        setCursor(Qt::SizeAllCursor);
    if (QWindow *window = windowHandle())
        window->startSystemMove();
}

void TEingabeForm::mouseReleaseEvent(QMouseEvent *event)
{
    unsetCursor();
    QDialog::mouseReleaseEvent(event);
}

QString ShowInputDialog(const QString &mode, InfoFunction showInfo, QWidget *mainWindow)
{
    TEingabeForm form(mode, std::move(showInfo), mainWindow);
    const bool ok = form.exec() == QDialog::Accepted;
    return ok ? Trim(form.FResult()) : QString();
}

} // namespace lumo
