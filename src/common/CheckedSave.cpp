#include "common/CheckedSave.h"

#include <atomic>
#include <cerrno>
#include <chrono>
#include <string>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace lumo {

namespace {

ssize_t SystemWrite(int fd, const void *data, size_t size)
{
    return ::write(fd, data, size);
}
int SystemFsync(int fd)
{
    return ::fsync(fd);
}
int SystemClose(int fd)
{
    return ::close(fd);
}
int SystemRenameat(int fromDir, const char *from, int toDir, const char *to)
{
    return ::renameat(fromDir, from, toDir, to);
}

bool WriteAll(const SaveCalls &calls, int fd, const std::string &bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = calls.write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        if (n == 0) {
            errno = ENOSPC;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// A name no other save of this process or another one picks at the same time.
std::string TemporaryName(const std::string &name, unsigned attempt)
{
    static std::atomic<unsigned> counter{0};
    const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
    return "." + name + "." + std::to_string(getpid()) + "-" + std::to_string(counter++) + "-" +
        std::to_string((static_cast<unsigned long long>(ticks) + attempt) % 1000000007ULL) + ".new";
}

} // namespace

const SaveCalls &SystemSaveCalls()
{
    static const SaveCalls calls{SystemWrite, SystemFsync, SystemClose, SystemRenameat};
    return calls;
}

bool SaveFileAtomically(
    const std::string &path, const std::string &bytes, mode_t mode, const SaveCalls &calls)
{
    const std::size_t slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? std::string(".")
        : slash == 0                                      ? std::string("/")
                                                          : path.substr(0, slash);
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    if (name.empty() || name == "." || name == "..")
        return false;

    const int dir = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir < 0)
        return false;
    struct stat target {};
    if (fstatat(dir, name.c_str(), &target, AT_SYMLINK_NOFOLLOW) == 0 ? !S_ISREG(target.st_mode)
                                                                      : errno != ENOENT) {
        close(dir);
        return false;
    }

    std::string temporary;
    int fd = -1;
    for (unsigned attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temporary = TemporaryName(name, attempt);
        fd = openat(dir, temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
        if (fd < 0 && errno != EEXIST)
            break;
    }
    if (fd < 0) {
        close(dir);
        return false;
    }

    bool ok = WriteAll(calls, fd, bytes);
    ok = ok && calls.fsync(fd) == 0;
    // A close can report a write that failed late (network file systems).
    ok = calls.close(fd) == 0 && ok;
    ok = ok && calls.renameat(dir, temporary.c_str(), dir, name.c_str()) == 0;
    if (ok) {
        // The rename itself survives a power cut only once the folder is
        // synced. Some file systems cannot sync a folder; the new file is in
        // place by then, so that does not turn the save into a failure.
        (void)calls.fsync(dir);
    } else {
        const int error = errno;
        unlinkat(dir, temporary.c_str(), 0);
        errno = error;
    }
    close(dir);
    return ok;
}

} // namespace lumo
