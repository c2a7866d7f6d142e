#include "shell/StartupChecksQt.h"

#include <QGuiApplication>
#include <QMessageBox>
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
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Lumo"), text, QMessageBox::Ok);
    box.exec();
}

} // namespace lumo
