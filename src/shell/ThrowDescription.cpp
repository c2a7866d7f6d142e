#include "shell/ThrowDescription.h"

#include "shell/CodeLocator.h"

#include <algorithm>
#include <exception>

namespace lumo {

std::string TypeName(const std::type_info &type)
{
    const char *name = type.name();
    // Types of unnamed namespaces carry a leading '*'.
    if (name && *name == '*')
        ++name;
    return Demangled(name);
}

std::optional<std::string> ExceptionMessage(void *object, const std::type_info &type)
{
    // The same test a handler for std::exception makes; it also moves the
    // pointer to the std::exception part of the object.
    void *adjusted = object;
    if (!typeid(std::exception).__do_catch(&type, &adjusted, 1))
        return std::nullopt;
    const char *what = static_cast<const std::exception *>(adjusted)->what();
    return std::string(what ? what : "");
}

std::vector<ExceptFrame> FramesFrom(CodeLocator &locator, const std::vector<StackFrame> &stack,
                                    std::uintptr_t throwAddress, std::uintptr_t outermostFrame)
{
    auto first = std::find_if(stack.begin(), stack.end(),
                              [&](const StackFrame &frame) { return frame.codeAddress == throwAddress; });
    // Without the throwing frame on the stack the whole stack is listed.
    if (first == stack.end())
        first = stack.begin();
    std::vector<ExceptFrame> frames;
    for (auto it = first; it != stack.end(); ++it) {
        if (outermostFrame != 0 && it->frameAddress > outermostFrame)
            break;
        for (const CodeLocation &location : locator.Locate(it->codeAddress, !it->interrupted)) {
            ExceptFrame frame;
            frame.frameAddress = it->frameAddress;
            frame.codeAddress = it->codeAddress;
            frame.location = location;
            frames.push_back(frame);
        }
    }
    return frames;
}

RaisedException DescribeThrow(CodeLocator &locator, void *object, const std::type_info &type,
                              std::uintptr_t throwAddress, const std::vector<StackFrame> &stack,
                              std::uintptr_t outermostFrame)
{
    RaisedException raised;
    raised.className = TypeName(type);
    raised.message = ExceptionMessage(object, type);
    raised.at = locator.Locate(throwAddress, true).front();
    raised.frames = FramesFrom(locator, stack, throwAddress, outermostFrame);
    return raised;
}

} // namespace lumo
