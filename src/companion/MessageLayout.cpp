#include "companion/MessageLayout.h"

#include "common/TextHelpers.h"

namespace lumo {

std::vector<std::string> SplitMessageLines(const std::string &text)
{
    std::vector<std::string> lines;
    std::string current;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            lines.push_back(current);
            current.clear();
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
        } else {
            current += c;
        }
    }
    if (!current.empty() || lines.empty())
        lines.push_back(current);
    return lines;
}

MessageLayout LayoutMessage(int widestLine, int lineHeight, int trimmedLineCount, std::uint16_t buttons)
{
    MessageLayout l;
    l.width = widestLine + 40;
    // The shown text has an extra empty first line, and room for one more line
    // is kept below it.
    const int shownLines = trimmedLineCount + 1;
    l.height = lineHeight * (shownLines + 2) + 30;
    if (l.width < kMessageMinWidth)
        l.width = kMessageMinWidth;

    l.showClose = (buttons & kButtonClose) != 0;
    l.showNo = (buttons & kButtonNo) != 0;
    l.showYes = (buttons & kButtonYes) != 0;

    const int barWidth = l.width - 2 * kMessageBorder;
    l.noLeft = barWidth - kMessageButtonWidth - 10;
    l.closeLeft = 10;
    l.yesLeft = barWidth - 2 * kMessageButtonWidth - 20;
    if (buttons == kButtonsInfo)
        l.closeLeft = (l.width - kMessageButtonWidth) / 2;
    return l;
}

std::string MessageDisplayText(const std::string &text, const std::string &prefix)
{
    std::string shown = "\r\n" + Trim(text) + "\r\n";
    if (!Trim(prefix).empty())
        shown = prefix + shown;
    return shown;
}

} // namespace lumo
