#pragma once
// The lines that describe one raised exception in the crash log: its class and
// message, where it was raised, and the frames that were active then.
// Qt-free, so the formats can be checked byte for byte.

#include "shell/CodeLocation.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace lumo {

// How a frame takes part in the exception. The call stack tells no kind, so
// frames found by walking it are efkUnknown.
enum class ExceptFrameKind { efkUnknown, efkFinally, efkAnyException, efkOnException, efkAutoException };

const char *ExceptFrameKindName(ExceptFrameKind kind);

struct ExceptFrame {
    // The frame's record on the stack.
    std::uintptr_t frameAddress = 0;
    ExceptFrameKind kind = ExceptFrameKind::efkUnknown;
    // For efkOnException: one of its handled classes is the exception's class
    // or an ancestor of it (or it names no class).
    bool classMatches = false;
    std::uintptr_t handlerAddress = 0;
    std::uintptr_t codeAddress = 0;
    // The location of the address the frame shows: the handler's when the
    // frame handles the exception, else the code address's.
    CodeLocation location;
};

// Whether the frame handles the exception: catch-all kinds always, a typed
// handler when its class matches, clean-up and unknown frames never.
bool FrameHandlesException(const ExceptFrame &frame);

struct RaisedException {
    // The demangled C++ type name of the thrown object.
    std::string className;
    // what() for a std::exception; none for other thrown objects.
    std::optional<std::string> message;
    // Raised by the system (a signal) rather than by a throw.
    bool byOs = false;
    CodeLocation at;
    std::vector<ExceptFrame> frames;
};

// "$" and the pointer in upper-case hexadecimal, as many digits as a pointer
// has nibbles (16 on a 64-bit system).
std::string FormatPointer(std::uintptr_t address);

// "Module \"m\", Procedure \"p\", Unit \"u\", Line n".
std::string LocationFields(const CodeLocation &location);

// One block of the log, its closing empty line included; no line breaks.
std::vector<std::string> ExceptionBlockLines(const RaisedException &exception);

} // namespace lumo
