#pragma once
// Reading a file that must be an ordinary file of bounded size: a link, a
// FIFO, a device or a folder at the path is never opened for its content, so
// nothing can make the reader hang or swallow gigabytes. Qt-free.

#include <cstddef>
#include <string>

namespace lumo {

enum class ReadOutcome {
    Read,       // the bytes are the whole file
    Missing,    // nothing at the path
    NotRegular, // a link, FIFO, device, socket or folder
    NotOwn,     // a file of another user (only when the own user is required)
    TooLarge,   // more than the limit
    Failed,     // the file could not be opened or read
};

struct RegularFileContent {
    ReadOutcome outcome = ReadOutcome::Missing;
    std::string bytes; // empty unless outcome is Read
};

enum class FileOwner { Anyone, Me };

// Opens without following a link and without blocking (O_NOFOLLOW|O_NONBLOCK),
// then checks the opened file itself, so what is checked is what is read.
RegularFileContent ReadRegularFile(
    const std::string &path, std::size_t limit, FileOwner owner = FileOwner::Anyone);

} // namespace lumo
