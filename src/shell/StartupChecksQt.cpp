#include "shell/StartupChecksQt.h"

#include <QGuiApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QStyle>
#include <QVBoxLayout>
#include <QScreen>

namespace lumo {

ScreenFacts ScreenFactsOf(const QScreen *screen)
{
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    ScreenFacts facts;
    if (!screen) {
        facts.logicalWidth = 0;
        facts.logicalHeight = 0;
        return facts;
    }
    facts.logicalWidth = screen->size().width();
    facts.logicalHeight = screen->size().height();
    facts.logicalDpi = screen->logicalDotsPerInchX();
    facts.devicePixelRatio = screen->devicePixelRatio();
    return facts;
}

QString StartupError()
{
    return QString::fromStdString(StartupErrorFor(ScreenFactsOf()));
}

void ShowStartupRefusal(const QString &startupError)
{
    QString text = QString::fromStdString(StartupRefusalMessage(startupError.toStdString()));
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    // A plain box of the desktop's style with one OK button. QMessageBox
    // would wrap lines past half the screen's width and break the designed
    // ones apart; here the box grows to the longest line instead.
    QDialog box;
    box.setWindowTitle(QStringLiteral("Lumo"));
    auto *label = new QLabel(text, &box);
    label->setObjectName(QStringLiteral("refusal_text"));
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(false);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok, &box);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &box, &QDialog::accept);
    auto *layout = new QVBoxLayout(&box);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(label);
    layout->addSpacing(box.style()->pixelMetric(QStyle::PM_LayoutVerticalSpacing));
    layout->addWidget(buttons);
    box.exec();
}

} // namespace lumo
