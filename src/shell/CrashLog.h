#pragma once
// The main window's history of every exception raised while it exists, one
// text line per entry, in the order they were raised. Never cleared.

#include <string>
#include <vector>

namespace lumo {

class CrashLog {
public:
    void Append(const std::vector<std::string> &lines);
    const std::vector<std::string> &Lines() const { return FLines; }
    // All lines, each followed by CR LF.
    std::string Text() const;

private:
    std::vector<std::string> FLines;
};

} // namespace lumo
