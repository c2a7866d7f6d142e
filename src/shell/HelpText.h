#pragma once
// The help shown in the about box: the system information block, an empty
// line, then the game's description. Qt-free; UTF-8 with CR LF line breaks.

#include <string>
#include <vector>

namespace lumo {

// The description's rows as shown, without line breaks. The first row is a
// "#" heading; some rows begin with the blanks that indent them.
const std::vector<std::string> &HelpRows();

// systemInfo (which ends with a line break), "\r\n", then the rows joined by
// "\r\n", with no break after the last row.
std::string HelpText(const std::string &systemInfo);

// The same with the system information of this computer, read now.
std::string CurrentHelpText();

} // namespace lumo
