#include "shell/SystemInfo.h"

#include "LumoVersion.h"
#include "common/FileHelpers.h"
#include "common/TextHelpers.h"

#include <sys/utsname.h>

#include <charconv>
#include <ctime>
#include <fstream>
#include <iterator>
#include <optional>
#include <system_error>
#include <vector>

namespace lumo {

namespace {

// Whole file or nothing: the information sources never raise, they fall back.
std::optional<std::string> ReadWholeFile(const std::filesystem::path &path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::string content((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad())
        return std::nullopt;
    return content;
}

std::vector<std::string_view> SplitLines(std::string_view content)
{
    std::vector<std::string_view> lines;
    while (!content.empty()) {
        const auto end = content.find('\n');
        std::string_view line = content.substr(0, end);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        lines.push_back(line);
        if (end == std::string_view::npos)
            break;
        content.remove_prefix(end + 1);
    }
    return lines;
}

// One os-release value: double quotes with shell-style backslash escapes,
// single quotes taken literally, or a bare word.
std::string UnquoteOsReleaseValue(std::string_view raw)
{
    std::string value;
    if (raw.empty())
        return value;
    const char quote = raw.front();
    if (quote == '\'') {
        const auto close = raw.find('\'', 1);
        return std::string(raw.substr(1, close == std::string_view::npos ? raw.npos : close - 1));
    }
    if (quote == '"') {
        for (std::size_t i = 1; i < raw.size(); ++i) {
            const char c = raw[i];
            if (c == '"')
                break;
            if (c == '\\' && i + 1 < raw.size()) {
                const char next = raw[i + 1];
                if (next == '"' || next == '\\' || next == '$' || next == '`') {
                    value += next;
                    ++i;
                    continue;
                }
            }
            value += c;
        }
        return value;
    }
    return Trim(raw);
}

bool ReadsAsBattery(const std::filesystem::path &supply)
{
    const auto type = ReadWholeFile(supply / "type");
    if (!type || Trim(*type) != "Battery")
        return false;
    // Batteries of mice, keyboards and headsets say "Device"; a laptop's own
    // says "System" or nothing at all.
    if (const auto scope = ReadWholeFile(supply / "scope"); scope && Trim(*scope) == "Device")
        return false;
    const auto capacity = ReadWholeFile(supply / "capacity");
    if (!capacity)
        return false;
    const std::string text = Trim(*capacity);
    int percent = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), percent);
    if (error != std::errc() || end != text.data() + text.size())
        return false;
    return percent >= 1 && percent <= 100;
}

int CurrentLocalYear()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    if (!localtime_r(&now, &local))
        return 1900;
    return local.tm_year + 1900;
}

} // namespace

std::string FormatSystemInfo(const SystemFacts &facts)
{
    std::string text = facts.baseName + " Version " + facts.version + "\r\n" + facts.notice + "\r\n";
    text += "System: " + facts.osName + " " + facts.bitness + " " + "\r\n";
    text += facts.notebook ? "Computer (Notebook): " : "Computer (PC-System): ";
    text += facts.processor + "\r\n";
    return text;
}

std::string SystemInfoText()
{
    SystemFacts facts;
    facts.baseName = ProgramBaseName();
    facts.version = ProgramVersion();
    facts.notice = CopyrightNotice();
    facts.osName = OsName();
    facts.bitness = Bitness();
    facts.notebook = IsNotebook();
    facts.processor = ProcessorName();
    return FormatSystemInfo(facts);
}

std::string ProgramVersion()
{
    return VersionOrFallback(LUMO_VERSION);
}

std::string VersionOrFallback(std::string_view version)
{
    const std::string trimmed = Trim(version);
    return trimmed.empty() ? std::string("1.0.0.0") : trimmed;
}

std::string CopyrightNotice()
{
    return CopyrightNoticeForYear(CurrentLocalYear());
}

std::string CopyrightNoticeForYear(int year)
{
    return "\xC2\xA9 2003/" + std::to_string(year) + " vemu";
}

std::string OsName()
{
    return OsNameUnder("/");
}

std::string OsNameUnder(const std::filesystem::path &root)
{
    for (const char *file : {"etc/os-release", "usr/lib/os-release"}) {
        if (const auto content = ReadWholeFile(root / file))
            return OsNameFromOsRelease(*content);
    }
    return {};
}

std::string OsNameFromOsRelease(std::string_view content)
{
    std::string prettyName;
    std::string name;
    std::string versionId;
    for (std::string_view line : SplitLines(content)) {
        const std::string trimmed = Trim(line);
        if (trimmed.empty() || trimmed.front() == '#')
            continue;
        const auto equals = trimmed.find('=');
        if (equals == std::string::npos)
            continue;
        const std::string key = trimmed.substr(0, equals);
        const std::string value = UnquoteOsReleaseValue(std::string_view(trimmed).substr(equals + 1));
        if (key == "PRETTY_NAME")
            prettyName = value;
        else if (key == "NAME")
            name = value;
        else if (key == "VERSION_ID")
            versionId = value;
    }
    std::string result = !prettyName.empty() ? prettyName : !name.empty() ? name : std::string("Linux");
    if (!versionId.empty())
        result += " (Vers. " + versionId + ")";
    return result;
}

std::string Bitness()
{
    utsname names{};
    if (uname(&names) != 0)
        return {};
    return BitnessForMachine(names.machine);
}

std::string BitnessForMachine(std::string_view machine)
{
    if (machine.empty())
        return {};
    if (machine.find("64") != std::string_view::npos || machine == "s390x" || machine == "alpha")
        return "64-Bit";
    return "32-Bit";
}

bool IsNotebook()
{
    return IsNotebookUnder("/sys/class/power_supply");
}

bool IsNotebookUnder(const std::filesystem::path &powerSupplyFolder)
{
    std::error_code error;
    std::filesystem::directory_iterator entries(powerSupplyFolder, error);
    if (error)
        return false;
    for (const auto &entry : entries) {
        if (ReadsAsBattery(entry.path()))
            return true;
    }
    return false;
}

std::string ProcessorName()
{
    const auto content = ReadWholeFile("/proc/cpuinfo");
    return ProcessorNameFromCpuinfo(content ? *content : std::string());
}

std::string ProcessorNameFromCpuinfo(std::string_view content)
{
    std::string name;
    for (std::string_view line : SplitLines(content)) {
        const auto colon = line.find(':');
        if (colon == std::string_view::npos || Trim(line.substr(0, colon)) != "model name")
            continue;
        std::string_view value = line.substr(colon + 1);
        // One blank separates the colon from the value; anything beyond it
        // belongs to the name.
        if (!value.empty() && value.front() == ' ')
            value.remove_prefix(1);
        name = value;
        break;
    }
    if (Trim(name).empty())
        return "undefiniert";
    return ShrinkBlankRuns(std::move(name));
}

std::string ShrinkBlankRuns(std::string text)
{
    for (auto pair = text.find("  "); pair != std::string::npos; pair = text.find("  ", pair))
        text.erase(pair, 1);
    return text;
}

} // namespace lumo
