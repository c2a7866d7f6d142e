#pragma once
// What the update, the mail and the web link need from the main window.
// Tests replace it with a fake.

#include <QString>

class QWidget;

namespace lumo {

class OnlineHost {
public:
    virtual ~OnlineHost() = default;

    virtual void CloseMenu() = 0;
    // The main window, for centring the update window; may be none.
    virtual QWidget *MainWindow() const = 0;
    virtual void ShowInfo(const QString &text) = 0;
    virtual bool AskQuestion(const QString &text) = 0;
    // Ends the program without storing the settings (the setup has started).
    virtual void CloseWithoutSaving() = 0;
};

} // namespace lumo
