#pragma once
// The crash report's text and which messages never lead to one. Qt-free.

#include <string>
#include <string_view>

namespace lumo {

// The report: the fatal message, the log text (lines each ending in CR LF) and
// the closing request, with CR LF between the parts.
std::string ComposeCrashReport(std::string_view message, std::string_view logText);

// A message that holds "listenindex" in any letter case (the list and image
// list index errors) ends in no report: the program goes on.
bool IsIgnoredCrashMessage(std::string_view message);

// <folder><base name>.ERR; the folder ends with '/'.
std::string CrashReportFileName(const std::string &folder, const std::string &baseName);

} // namespace lumo
