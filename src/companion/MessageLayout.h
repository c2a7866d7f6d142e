#pragma once
// Size of the message dialog and the places of its buttons, from measured text.
// Qt-free; the dialog measures its fonts and applies the result.

#include <cstdint>
#include <string>
#include <vector>

namespace lumo {

// Button set of the message dialog, combined as a mask.
enum MessageButtons : std::uint16_t {
    kButtonYes = 1,
    kButtonNo = 2,
    kButtonClose = 4,
    kButtonsInfo = kButtonClose,
    kButtonsQuestion = kButtonYes | kButtonNo,
};

struct MessageLayout {
    int width = 0;   // outer window size, border included
    int height = 0;
    bool showYes = false;
    bool showNo = false;
    bool showClose = false;
    // Left edges inside the bottom bar; meaningful for visible buttons only.
    int yesLeft = 0;
    int noLeft = 0;
    int closeLeft = 0;
};

constexpr int kMessageBorder = 2;
constexpr int kMessageBarHeight = 40;
constexpr int kMessageButtonWidth = 80;
constexpr int kMessageButtonHeight = 25;
constexpr int kMessageButtonTop = 7;
constexpr int kMessageMinWidth = 290;

// Splits at CR LF, CR or LF. A closing line break starts no further line.
std::vector<std::string> SplitMessageLines(const std::string &text);

// widestLine: pixel width of the widest line of the text as passed;
// lineHeight: pixel height of a line in the measuring font; trimmedLineCount:
// number of lines of the trimmed text.
MessageLayout LayoutMessage(int widestLine, int lineHeight, int trimmedLineCount, std::uint16_t buttons);

// The shown text: an empty first line, the trimmed text and a closing line
// break; a non-blank prefix fills the empty first line.
std::string MessageDisplayText(const std::string &text, const std::string &prefix);

} // namespace lumo
