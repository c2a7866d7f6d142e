#include "shell/OnlineWiring.h"

#include "LumoAddresses.h"
#include "LumoVersion.h"
#include "common/FileHelpers.h"
#include "companion/MessageDialog.h"
#include "online/ConnectionState.h"
#include "online/MailClient.h"
#include "shell/MenuController.h"

#include <QAbstractButton>
#include <QMouseEvent>

namespace lumo {

namespace {

UpdateSource ProgramUpdateSource()
{
    UpdateSource source = UpdateSource::ForProgram();
    source.UpdateCategory = QStringLiteral("Spiele");
    return source;
}

} // namespace

OnlineWiring::OnlineWiring(QWidget &mainWindow, QAbstractButton &updateButton, QAbstractButton &updateEntry,
    QAbstractButton &mailEntry, QWidget &logo, MenuController &menu)
    : FMainWindow(mainWindow),
      FLogo(logo),
      FMailEntry(mailEntry),
      FMenu(menu),
      FUpdate(*this, ProgramUpdateSource(), [] { return IsConnected(); }),
      FMail(*this, QStringLiteral(LUMO_CONTACT_MAIL), QString::fromStdString(ProgramBaseName()),
          QStringLiteral(LUMO_VERSION)),
      FWeb(*this, QStringLiteral(LUMO_WEB_SITE), [] { return IsConnected(); })
{
    connect(&updateButton, &QAbstractButton::clicked, this, [this] { FUpdate.bt_downloadClick(); });
    connect(&updateEntry, &QAbstractButton::clicked, this, [this] { FUpdate.bt_downloadClick(); });
    connect(&mailEntry, &QAbstractButton::clicked, this, [this] { FMail.bt_mailClick(); });
    FLogo.installEventFilter(this);
    FMainWindow.installEventFilter(this);
}

OnlineWiring::~OnlineWiring()
{
    FUpdate.Abort();
}

void OnlineWiring::ShowMailEntry()
{
    FMailEntry.setVisible(MailClientInstalled());
}

void OnlineWiring::CloseMenu()
{
    FMenu.CloseMenu();
}

void OnlineWiring::ShowInfo(const QString &text)
{
    lumo::ShowInfo(text);
}

bool OnlineWiring::AskQuestion(const QString &text)
{
    return lumo::AskQuestion(text, true);
}

void OnlineWiring::CloseWithoutSaving()
{
    FMainWindow.close();
}

bool OnlineWiring::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == &FLogo && event->type() == QEvent::MouseButtonRelease) {
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton && FLogo.rect().contains(mouse->position().toPoint()))
            FWeb.i_logoClick();
    } else if (watched == &FMainWindow && event->type() == QEvent::Close) {
        // An update still running goes with the window, without a message.
        FUpdate.Abort();
    }
    return QObject::eventFilter(watched, event);
}

} // namespace lumo
