#include "shell/CallStack.h"

#include <unwind.h>

namespace lumo {

namespace {

struct Walk {
    StackFrame *frames;
    std::size_t capacity;
    std::size_t count;
    bool skippedSelf;
};

_Unwind_Reason_Code Step(_Unwind_Context *context, void *argument)
{
    auto *walk = static_cast<Walk *>(argument);
    if (!walk->skippedSelf) {
        walk->skippedSelf = true;
        return _URC_NO_REASON;
    }
    int beforeInstruction = 0;
    const std::uintptr_t ip = _Unwind_GetIPInfo(context, &beforeInstruction);
    if (ip == 0 || walk->count >= walk->capacity)
        return _URC_END_OF_STACK;
    walk->frames[walk->count++] = StackFrame{_Unwind_GetCFA(context), ip, beforeInstruction != 0};
    return _URC_NO_REASON;
}

} // namespace

__attribute__((noinline)) std::size_t CaptureCallStack(StackFrame *frames, std::size_t capacity)
{
    Walk walk{frames, capacity, 0, false};
    _Unwind_Backtrace(Step, &walk);
    return walk.count;
}

__attribute__((noinline)) std::vector<StackFrame> CaptureCallStack()
{
    std::vector<StackFrame> frames(256);
    // Both this function and the array walker are left out.
    std::size_t count = CaptureCallStack(frames.data(), frames.size());
    frames.resize(count);
    if (!frames.empty())
        frames.erase(frames.begin());
    return frames;
}

void PrepareCallStack()
{
    StackFrame frames[4];
    CaptureCallStack(frames, 4);
}

} // namespace lumo
