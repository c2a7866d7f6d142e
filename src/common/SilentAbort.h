#pragma once
// The program's silent abort: thrown to leave an operation without any
// message. The application's handler drops it without a crash report.

#include <exception>

namespace lumo {

class SilentAbort : public std::exception {
public:
    const char *what() const noexcept override { return "Operation abgebrochen"; }
};

} // namespace lumo
