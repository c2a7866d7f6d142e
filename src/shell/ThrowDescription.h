#pragma once
// What the crash log records about a thrown C++ object: its class, its
// message, where it was thrown and the frames active then. Qt-free.

#include "shell/CallStack.h"
#include "shell/ExceptionBlock.h"

#include <cstdint>
#include <typeinfo>
#include <vector>

namespace lumo {

class CodeLocator;

// The demangled name of a type ("std::runtime_error").
std::string TypeName(const std::type_info &type);

// what() when the object is a std::exception (or derived from one).
std::optional<std::string> ExceptionMessage(void *object, const std::type_info &type);

// The frames from the throwing function outward; the frames before it (the
// logger's own, the throw hook's) are left out. When outermostFrame is not 0,
// the frames whose record lies above it are left out too: they belong to the
// event loop around the application's handler, which takes every exception. Each inlined function becomes
// a frame entry of its own, at the same addresses.
std::vector<ExceptFrame> FramesFrom(CodeLocator &locator, const std::vector<StackFrame> &stack,
                                    std::uintptr_t throwAddress, std::uintptr_t outermostFrame);

RaisedException DescribeThrow(CodeLocator &locator, void *object, const std::type_info &type,
                              std::uintptr_t throwAddress, const std::vector<StackFrame> &stack,
                              std::uintptr_t outermostFrame);

} // namespace lumo
