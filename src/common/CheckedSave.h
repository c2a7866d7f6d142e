#pragma once
// Replacing a file so that it holds either the old or the complete new bytes,
// and saying so truthfully: the bytes go to a new file beside it, which is
// written, synced and closed with every result checked before it is renamed
// over the old one. A full disk at any step leaves the old file and reports
// failure. Qt-free.

#include <string>

#include <sys/types.h>

namespace lumo {

// The system calls a save makes, replaceable so that tests can fail any one of
// them (a disk that fills up at the second write, a sync that reports an I/O
// error) without a real full disk.
struct SaveCalls {
    ssize_t (*write)(int fd, const void *data, size_t size);
    int (*fsync)(int fd);
    int (*close)(int fd);
    int (*renameat)(int fromDir, const char *from, int toDir, const char *to);
};

const SaveCalls &SystemSaveCalls();

// Replaces the file at path with bytes. Nothing but a missing entry or a
// regular file at path is replaced: a link, FIFO, device or folder there is
// left alone and the save fails, so a save never writes through a link. A new
// file gets mode & ~umask. False on any failure, with the old file untouched
// and no temporary file left behind.
bool SaveFileAtomically(const std::string &path, const std::string &bytes, mode_t mode = 0666,
    const SaveCalls &calls = SystemSaveCalls());

} // namespace lumo
