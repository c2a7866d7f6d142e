#pragma once
// The online commands in the main window: the internet update from the
// title-bar button and the menu entry, the mail to the author (its menu entry
// shown only when a mail program is installed) and the web site behind the
// bird logo.

#include "online/AuthorMail.h"
#include "online/InternetUpdate.h"
#include "online/OnlineHost.h"
#include "online/WebLink.h"

#include <QObject>

class QAbstractButton;

namespace lumo {

class MenuController;

class OnlineWiring : public QObject, public OnlineHost {
    Q_OBJECT
public:
    OnlineWiring(QWidget &mainWindow, QAbstractButton &updateButton, QAbstractButton &updateEntry,
        QAbstractButton &mailEntry, QWidget &logo, MenuController &menu);
    ~OnlineWiring() override;

    // At the end of reading the settings: bt_mail is shown exactly when a
    // mail program is installed.
    void ShowMailEntry();

    InternetUpdate &Update() { return FUpdate; }
    AuthorMail &Mail() { return FMail; }
    WebLink &Web() { return FWeb; }

    // --- OnlineHost --------------------------------------------------------
    void CloseMenu() override;
    QWidget *MainWindow() const override { return &FMainWindow; }
    void ShowInfo(const QString &text) override;
    bool AskQuestion(const QString &text) override;
    // A plain close: only the end buttons store the settings.
    void CloseWithoutSaving() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget &FMainWindow;
    QWidget &FLogo;
    QAbstractButton &FMailEntry;
    MenuController &FMenu;
    InternetUpdate FUpdate;
    AuthorMail FMail;
    WebLink FWeb;
};

} // namespace lumo
