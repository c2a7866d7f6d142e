#include "online/UpdateTempFile.h"

#include <cerrno>
#include <chrono>

#include <fcntl.h>
#include <sys/stat.h>

namespace lumo {

std::uint64_t UpdateTickCount()
{
    using namespace std::chrono;
    return static_cast<std::uint64_t>(
        duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

std::string UpdateTempName(std::uint64_t tick, const std::string &name)
{
    return "$$$TEMP" + std::to_string(tick) + name;
}

CreatedFile CreateUpdateTempFile(const std::string &folder, std::uint64_t tick, const std::string &name)
{
    // No private temporary folder could be had: nothing goes anywhere else.
    if (folder.empty() || folder.front() != '/')
        return {};
    constexpr int kTries = 16;
    for (int i = 0; i < kTries; ++i) {
        const std::string path = folder + UpdateTempName(tick + static_cast<std::uint64_t>(i), name);
        const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                              S_IRUSR | S_IWUSR);
        if (fd >= 0)
            return CreatedFile{path, fd};
        if (errno != EEXIST)
            break;
    }
    return {};
}

} // namespace lumo
