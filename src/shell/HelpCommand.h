#pragma once
// Opens the help: the system information and the game's description in the
// about box. While the box is open the creatures rest and neither the input
// hook nor the hint balloon react; afterwards everything is as it was, also
// when showing the box failed.

#include <QString>

#include <functional>

namespace lumo {

class HelpHost;

class HelpCommand {
public:
    // Shows a text modally and returns once it has been closed.
    using TextShower = std::function<void(const QString &text)>;
    // The text to show, built anew on each opening.
    using TextSource = std::function<QString()>;

    // Shows CurrentHelpText() through ShowAboutText unless told otherwise.
    explicit HelpCommand(HelpHost &host, TextShower show = {}, TextSource text = {});

    // The menu entry, the title-bar button and F1. While the help is open a
    // further call does nothing, so one help window is open at most.
    void bt_helpmClick();
    bool Showing() const { return FShowing; }

private:
    HelpHost &FHost;
    TextShower FShow;
    TextSource FText;
    bool FShowing = false;
};

} // namespace lumo
