#include "shell/ThrowHook.h"

#include <atomic>
#include <cstdlib>
#include <dlfcn.h>

namespace lumo {

namespace {

std::atomic<ThrowObserver> gObserver{nullptr};
std::atomic<void *> gContext{nullptr};
std::atomic<bool> gSeenThrow{false};
thread_local bool tInObserver = false;

using CxaThrow = void (*)(void *, std::type_info *, void (*)(void *));

CxaThrow NextThrow()
{
    // RTLD_NEXT from the executable: the C++ runtime's definition, or the
    // sanitizer runtime's when one is linked, which forwards to the runtime.
    static const CxaThrow next = reinterpret_cast<CxaThrow>(dlsym(RTLD_NEXT, "__cxa_throw"));
    if (!next)
        std::abort();
    return next;
}

void Notify(void *object, const std::type_info *type, void *throwAddress)
{
    gSeenThrow.store(true, std::memory_order_relaxed);
    const ThrowObserver observer = gObserver.load(std::memory_order_acquire);
    if (!observer || tInObserver)
        return;
    tInObserver = true;
    try {
        observer(gContext.load(std::memory_order_acquire), object, type, throwAddress);
    } catch (...) {
        // The observer must never replace the exception being thrown.
    }
    tInObserver = false;
}

} // namespace

void SetThrowObserver(ThrowObserver observer, void *context)
{
    // Resolved now, so the first throw does not look it up.
    NextThrow();
    gObserver.store(nullptr, std::memory_order_release);
    gContext.store(context, std::memory_order_release);
    gObserver.store(observer, std::memory_order_release);
}

bool ThrowHookSeenThrow()
{
    return gSeenThrow.load(std::memory_order_relaxed);
}

} // namespace lumo

extern "C" __attribute__((noreturn, visibility("default"))) void __cxa_throw(void *object, std::type_info *type,
                                                                             void (*destructor)(void *))
{
    lumo::Notify(object, type, __builtin_return_address(0));
    lumo::NextThrow()(object, type, destructor);
    __builtin_unreachable();
}
