#pragma once
// Names the code at an address in the running process: module, function,
// source file and line, from the symbol tables and the debug information of
// the loaded executable and libraries (elfutils' libdw). Only debug
// information on this machine is used; nothing is fetched from elsewhere.

#include "shell/CodeLocation.h"

#include <cstdint>
#include <vector>

typedef struct Dwfl Dwfl;

namespace lumo {

class CodeLocator {
public:
    CodeLocator();
    ~CodeLocator();
    CodeLocator(const CodeLocator &) = delete;
    CodeLocator &operator=(const CodeLocator &) = delete;

    // The functions at the address, innermost first: the functions inlined
    // there, then the function that holds them, each with the source line it
    // is at. One entry, with empty names, where nothing is known.
    // afterCall: the address follows a call (a return address), so the call
    // itself is looked up.
    std::vector<CodeLocation> Locate(std::uintptr_t address, bool afterCall);

private:
    void ReportModules();

    Dwfl *FDwfl = nullptr;
};

// A source file name as the report shows it: the program's own files relative
// to the source tree (the build maps that tree to "."), others as they are.
// A relative name is taken relative to the unit's compilation folder.
std::string ReportedUnitName(const char *file, const char *compilationFolder = nullptr);

// The readable form of a mangled C++ name; other names as they are.
std::string Demangled(const char *name);

} // namespace lumo
