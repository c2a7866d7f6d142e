#include "shell/LumoApplication.h"

#include "common/SilentAbort.h"

#include <utility>

namespace lumo {

namespace {

LumoApplication::UnhandledExceptionHandler &Handler()
{
    static LumoApplication::UnhandledExceptionHandler handler;
    return handler;
}

thread_local std::uintptr_t tDispatchFrame = 0;
bool gCrashReported = false;

} // namespace

LumoApplication::LumoApplication(int &argc, char **argv) : QApplication(argc, argv) {}

bool LumoApplication::notify(QObject *receiver, QEvent *event)
{
    // Its address marks this dispatch's place on the stack.
    volatile char marker = 0;
    const std::uintptr_t outer = tDispatchFrame;
    tDispatchFrame = reinterpret_cast<std::uintptr_t>(&marker);
    try {
        const bool result = QApplication::notify(receiver, event);
        tDispatchFrame = outer;
        return result;
    } catch (const SilentAbort &) {
        tDispatchFrame = outer;
    } catch (...) {
        tDispatchFrame = outer;
        HandleUnhandled(receiver, std::current_exception());
    }
    return false;
}

void LumoApplication::SetUnhandledExceptionHandler(UnhandledExceptionHandler handler)
{
    Handler() = std::move(handler);
}

void LumoApplication::HandleUnhandled(QObject *receiver, std::exception_ptr error)
{
    if (!Handler())
        std::rethrow_exception(error);
    // A copy: the handler may remove itself while it runs.
    const UnhandledExceptionHandler handler = Handler();
    handler(receiver, std::move(error));
}

std::uintptr_t LumoApplication::DispatchFrame()
{
    return tDispatchFrame;
}

void LumoApplication::NoteCrashReported()
{
    gCrashReported = true;
}

bool LumoApplication::CrashReported()
{
    return gCrashReported;
}

} // namespace lumo
