#include "shell/ExceptionBlock.h"

#include <cstdio>

namespace lumo {

const char *ExceptFrameKindName(ExceptFrameKind kind)
{
    switch (kind) {
    case ExceptFrameKind::efkFinally:
        return "efkFinally";
    case ExceptFrameKind::efkAnyException:
        return "efkAnyException";
    case ExceptFrameKind::efkOnException:
        return "efkOnException";
    case ExceptFrameKind::efkAutoException:
        return "efkAutoException";
    case ExceptFrameKind::efkUnknown:
        break;
    }
    return "efkUnknown";
}

bool FrameHandlesException(const ExceptFrame &frame)
{
    switch (frame.kind) {
    case ExceptFrameKind::efkAnyException:
    case ExceptFrameKind::efkAutoException:
        return true;
    case ExceptFrameKind::efkOnException:
        return frame.classMatches;
    case ExceptFrameKind::efkFinally:
    case ExceptFrameKind::efkUnknown:
        break;
    }
    return false;
}

std::string FormatPointer(std::uintptr_t address)
{
    char buffer[2 + 2 * sizeof address];
    std::snprintf(buffer, sizeof buffer, "$%0*llX", static_cast<int>(2 * sizeof address),
                  static_cast<unsigned long long>(address));
    return buffer;
}

std::string LocationFields(const CodeLocation &location)
{
    return "Module \"" + location.module + "\", Procedure \"" + location.procedure + "\", Unit \""
        + location.unit + "\", Line " + std::to_string(location.line);
}

std::vector<std::string> ExceptionBlockLines(const RaisedException &exception)
{
    std::vector<std::string> lines;
    std::string head = "Exception " + exception.className;
    if (exception.message)
        head += ": " + *exception.message;
    if (exception.byOs)
        head += " (OS Exception)";
    lines.push_back(head);
    lines.push_back("  Exception occured at " + FormatPointer(exception.at.address) + " ("
                    + LocationFields(exception.at) + ")");
    lines.push_back("  Except frame-dump:");
    for (const ExceptFrame &frame : exception.frames) {
        const bool handles = FrameHandlesException(frame);
        lines.push_back("    Frame at " + FormatPointer(frame.frameAddress) + " (type: "
                        + ExceptFrameKindName(frame.kind) + (handles ? ", handles exception)" : ")"));
        lines.push_back(handles ? "      Handler at " + FormatPointer(frame.handlerAddress)
                                : "      Code at " + FormatPointer(frame.codeAddress));
        lines.push_back("      " + LocationFields(frame.location));
    }
    lines.emplace_back();
    return lines;
}

} // namespace lumo
