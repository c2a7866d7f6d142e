#pragma once
// The program's own file and folder helpers. Qt-free.

#include <string>

namespace lumo {

// The running program file's name without folder and extension, in the letter
// case it has on disk ("Lumo" for the real program). Read from /proc/self/exe.
std::string ProgramBaseName();

// The folder holding the program file, ending with '/'.
std::string ProgramFolder();

// The user's private temporary folder (PrivateTempFolder()), ending with '/';
// empty when no private folder can be had, and then nothing is to be put there.
std::string TempFolderPath();

// The whole file as one byte string; empty when the file does not exist. A file
// that exists but cannot be opened or read throws std::runtime_error.
std::string ReadTextFile(const std::string &path);

// Creates or truncates the file and writes the text followed by CR LF. Returns
// false when any step fails; never throws.
bool WriteTextFile(const std::string &path, const std::string &text);

} // namespace lumo
