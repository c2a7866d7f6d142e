#include "common/RegularFileRead.h"

#include <algorithm>
#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace lumo {

namespace {

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : FFd(fd) {}
    ~FileDescriptor()
    {
        if (FFd >= 0)
            close(FFd);
    }
    FileDescriptor(const FileDescriptor &) = delete;
    FileDescriptor &operator=(const FileDescriptor &) = delete;
    int get() const { return FFd; }

private:
    int FFd;
};

RegularFileContent Outcome(ReadOutcome outcome)
{
    return RegularFileContent{outcome, {}};
}

} // namespace

RegularFileContent ReadRegularFile(const std::string &path, std::size_t limit, FileOwner owner)
{
    const FileDescriptor file(open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC | O_NOCTTY));
    if (file.get() < 0) {
        if (errno == ENOENT || errno == ENOTDIR)
            return Outcome(ReadOutcome::Missing);
        // O_NOFOLLOW on a link.
        if (errno == ELOOP)
            return Outcome(ReadOutcome::NotRegular);
        return Outcome(ReadOutcome::Failed);
    }
    struct stat info {};
    if (fstat(file.get(), &info) != 0)
        return Outcome(ReadOutcome::Failed);
    if (!S_ISREG(info.st_mode))
        return Outcome(ReadOutcome::NotRegular);
    if (owner == FileOwner::Me && info.st_uid != geteuid())
        return Outcome(ReadOutcome::NotOwn);
    if (info.st_size < 0 || static_cast<unsigned long long>(info.st_size) > limit)
        return Outcome(ReadOutcome::TooLarge);

    // The file may grow while it is read: one byte beyond its size tells, and
    // reading on up to the limit keeps a growing file within it.
    const std::size_t size = static_cast<std::size_t>(info.st_size);
    std::string bytes(size + 1, '\0');
    std::size_t got = 0;
    for (;;) {
        if (got == bytes.size()) {
            if (bytes.size() > limit)
                break;
            bytes.resize(std::min(limit + 1, bytes.size() * 2));
        }
        const ssize_t n = read(file.get(), bytes.data() + got, bytes.size() - got);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return Outcome(ReadOutcome::Failed);
        }
        if (n == 0)
            break;
        got += static_cast<std::size_t>(n);
    }
    if (got > limit)
        return Outcome(ReadOutcome::TooLarge);
    bytes.resize(got);
    return RegularFileContent{ReadOutcome::Read, std::move(bytes)};
}

} // namespace lumo
