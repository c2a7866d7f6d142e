#pragma once
// The call stack of the running thread, walked with the toolchain's unwinder.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace lumo {

struct StackFrame {
    // Where the frame's record lies on the stack: its stack pointer at the
    // point where it goes on (the unwinder's frame address). Callers lie higher.
    std::uintptr_t frameAddress = 0;
    // Where the frame goes on: a return address, or for the frame a signal
    // interrupted the exact address of the interrupted instruction.
    std::uintptr_t codeAddress = 0;
    bool interrupted = false;
};

// Innermost first, starting with the caller of this function. Allocates
// nothing, so it may run in a signal handler once PrepareCallStack() has run.
std::size_t CaptureCallStack(StackFrame *frames, std::size_t capacity);

std::vector<StackFrame> CaptureCallStack();

// Loads what the unwinder loads on first use, outside any signal handler.
void PrepareCallStack();

} // namespace lumo
