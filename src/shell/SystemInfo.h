#pragma once
// The short block that names the program and describes the computer it runs
// on, shown by the bird at start-up and at the head of the help text.
//
// Every source is read anew on each call and nothing here fails: each source
// has a fixed fallback. The readers below take file contents or a root folder
// so that they can be fed fixture trees; the argument-free functions read the
// running system. Texts are UTF-8 with CR LF line breaks.

#include <filesystem>
#include <string>
#include <string_view>

namespace lumo {

// What the four lines are made of.
struct SystemFacts {
    std::string baseName;  // program file name without folder and extension
    std::string version;   // four decimal numbers joined by dots
    std::string notice;    // the holder's notice, see CopyrightNotice()
    std::string osName;    // may be empty
    std::string bitness;   // "64-Bit", "32-Bit" or empty
    bool notebook = false;
    std::string processor; // never empty, see ProcessorName()
};

// Four lines, each ending with CR LF:
//   <base name> Version <version>
//   <notice>
//   System: <os name> <bitness> (one blank before the break, two when the
//                                bitness is empty)
//   Computer (Notebook): / Computer (PC-System): <processor>
std::string FormatSystemInfo(const SystemFacts &facts);

// The block for the running program on this computer.
std::string SystemInfoText();

// The program's version, e.g. "26.4.6.0"; "1.0.0.0" when the build carries none.
std::string ProgramVersion();
// The given version, or "1.0.0.0" when it is empty or only blanks.
std::string VersionOrFallback(std::string_view version);

// "© 2003/<current year> vemu". The window caption is "Lumo " + this + " ".
std::string CopyrightNotice();
std::string CopyrightNoticeForYear(int year);

// PRETTY_NAME + " (Vers. " + VERSION_ID + ")" from /etc/os-release (or
// /usr/lib/os-release); empty when neither can be read.
std::string OsName();
// The same from the files under the given root folder.
std::string OsNameUnder(const std::filesystem::path &root);
// The same from the content of an os-release file. Values may be quoted with
// double or single quotes; without PRETTY_NAME the NAME is used, without both
// "Linux" (the file format's own default). Without VERSION_ID the
// " (Vers. ...)" part is left out rather than shown empty.
std::string OsNameFromOsRelease(std::string_view content);

// "64-Bit" or "32-Bit" for the machine (not the program's own build), empty
// when the machine cannot be told.
std::string Bitness();
// The same for a machine name as uname reports it ("x86_64", "i686", ...).
std::string BitnessForMachine(std::string_view machine);

// Whether the computer runs on a battery of its own whose charge is known.
bool IsNotebook();
// The same from a power_supply class folder (normally /sys/class/power_supply):
// true when one supply of type "Battery", not a device's battery such as a
// wireless mouse's (scope "Device"), reports a capacity from 1 to 100 percent.
// A missing folder, no battery, 0 or an unknown or unreadable charge: false.
bool IsNotebookUnder(const std::filesystem::path &powerSupplyFolder);

// The processor's name from /proc/cpuinfo, "undefiniert" when there is none.
std::string ProcessorName();
// The same from the content of a cpuinfo file: the first "model name" value.
std::string ProcessorNameFromCpuinfo(std::string_view content);
// Deletes the first blank of the first pair of blanks as long as there is one,
// so runs of blanks shrink to one; a single blank at either end stays.
std::string ShrinkBlankRuns(std::string text);

} // namespace lumo
