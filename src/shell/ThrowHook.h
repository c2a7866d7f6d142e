#pragma once
// Tells an observer about every C++ exception at the moment it is thrown,
// before the search for a handler starts, whether or not anything catches it.
//
// The program defines the C++ runtime's throw entry point (__cxa_throw)
// itself and exports it, so every throw in the process, in the program and in
// the libraries it loads, comes here first; the call then goes on to the next
// definition in the lookup order: the C++ runtime's own, or a sanitizer's
// that itself forwards to the runtime.

#include <typeinfo>

namespace lumo {

// object: the thrown object; type: its type; throwAddress: the return address
// of the call that threw (inside the throwing function). Called on the
// throwing thread. An exception that escapes the observer is dropped, and
// throws inside the observer are not reported to it again.
using ThrowObserver = void (*)(void *context, void *object, const std::type_info *type, void *throwAddress);

// nullptr stops the reports.
void SetThrowObserver(ThrowObserver observer, void *context);

// True once a throw in this process has passed through the hook.
bool ThrowHookSeenThrow();

} // namespace lumo
