#pragma once
// Where a code address lies: the module, the function and the source line.

#include <cstdint>
#include <string>

namespace lumo {

struct CodeLocation {
    std::uintptr_t address = 0;
    // The file name of the executable or library, without its folder.
    std::string module;
    // The demangled function name; empty without symbols.
    std::string procedure;
    // The source file, relative to the source tree for the program's own code.
    std::string unit;
    // 0 without line information.
    int line = 0;
};

} // namespace lumo
