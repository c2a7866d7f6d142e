#pragma once
// The update's local files: "$$$TEMP", a millisecond count and a name, in the
// temporary folder. Created exclusively, without following a link and
// readable by the user alone, so nobody else can plant a file or a link under
// the name beforehand or swap it afterwards. Qt-free (POSIX).

#include <cstdint>
#include <string>

namespace lumo {

// Milliseconds on a clock that only runs forward; the names are made from it.
std::uint64_t UpdateTickCount();

// "$$$TEMP" + tick + name.
std::string UpdateTempName(std::uint64_t tick, const std::string &name);

struct CreatedFile {
    std::string path;
    int fd = -1; // -1: nothing was created
};

// Creates folder + UpdateTempName(tick, name) with O_CREAT | O_EXCL |
// O_NOFOLLOW and mode 0600. When that name is taken, the following counts
// are tried, a few of them. The caller owns the descriptor.
CreatedFile CreateUpdateTempFile(const std::string &folder, std::uint64_t tick, const std::string &name);

} // namespace lumo
