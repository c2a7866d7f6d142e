#include "shell/CrashReportText.h"

#include <algorithm>
#include <cctype>

namespace lumo {

std::string ComposeCrashReport(std::string_view message, std::string_view logText)
{
    std::string report = "Es ist ein unerwarteter Fehler aufgetreten.\r\nFehlermeldung: \"";
    report += message;
    report += "\"";
    report += "\r\n";
    report += logText;
    report += "\r\n";
    report += "Bitte informieren Sie den Autor!";
    report += "\r\n";
    report += "Das Programm wird beendet.";
    return report;
}

bool IsIgnoredCrashMessage(std::string_view message)
{
    std::string lower(message);
    // Only ASCII letters change case; the bytes of umlauts stay as they are.
    std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) {
        return static_cast<char>(c < 0x80 ? std::tolower(c) : c);
    });
    return lower.find("listenindex") != std::string::npos;
}

std::string CrashReportFileName(const std::string &folder, const std::string &baseName)
{
    std::string path = folder;
    if (!path.empty() && path.back() != '/')
        path += '/';
    return path + baseName + ".ERR";
}

} // namespace lumo
