#include "companion/MessageDialog.h"

#include "companion/MessageLayout.h"
#include "companion/TForm_Message.h"
#include "common/EventHelpers.h"
#include "common/QtTextHelpers.h"

#include <QPointer>
#include <QWidget>

namespace lumo {

namespace {

QPointer<QWidget> &MainWindowSlot()
{
    static QPointer<QWidget> window;
    return window;
}

} // namespace

void SetDialogMainWindow(QWidget *mainWindow)
{
    MainWindowSlot() = mainWindow;
}

QWidget *DialogMainWindow()
{
    return MainWindowSlot().data();
}

bool ShowMessageDialog(const QString &text, std::uint16_t buttons, const QString &prefix, bool centred)
{
    TForm_Message dialog;
    dialog.Prepare(text, buttons, prefix, centred);
    dialog.exec();
    return dialog.Answer();
}

void ShowInfo(const QString &text, const QString &prefix, bool centred)
{
    ShowMessageDialog(Trim(text), kButtonsInfo, prefix, centred);
    DiscardKeyboardMessages();
}

bool AskQuestion(const QString &text, bool centred)
{
    const bool answer = ShowMessageDialog(text, kButtonsQuestion, QStringLiteral("Frage:"), centred);
    DiscardKeyboardMessages();
    return answer;
}

} // namespace lumo
