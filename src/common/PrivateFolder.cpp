#include "common/PrivateFolder.h"

#include <cerrno>
#include <cstdlib>
#include <string>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace lumo {

namespace {

bool IsPrivate(const struct stat &info)
{
    return S_ISDIR(info.st_mode) && info.st_uid == geteuid() && (info.st_mode & (S_IRWXG | S_IRWXO)) == 0 &&
        (info.st_mode & S_IRWXU) == S_IRWXU;
}

std::string Environment(const char *name)
{
    const char *value = std::getenv(name);
    return value && *value == '/' ? std::string(value) : std::string();
}

std::string WithoutSlash(std::string path)
{
    while (path.size() > 1 && path.back() == '/')
        path.pop_back();
    return path;
}

// Creates the folder 0700 unless it exists, then checks whatever is there:
// a folder somebody else made first, or a link, is refused.
bool MakePrivateFolder(const std::string &path)
{
    if (mkdir(path.c_str(), S_IRWXU) != 0 && errno != EEXIST)
        return false;
    return IsPrivateFolder(path);
}

// Every missing folder on the way, each created 0700; existing ones are left
// as they are (the user's cache folder is the user's business).
bool MakeFolders(const std::string &path)
{
    for (std::size_t slash = path.find('/', 1); slash != std::string::npos;
         slash = path.find('/', slash + 1)) {
        const std::string part = path.substr(0, slash);
        if (mkdir(part.c_str(), S_IRWXU) != 0 && errno != EEXIST)
            return false;
    }
    return MakePrivateFolder(path);
}

} // namespace

bool IsPrivateFolder(const std::string &path)
{
    struct stat info {};
    return lstat(path.c_str(), &info) == 0 && IsPrivate(info);
}

std::string PrivateTempFolder()
{
    const std::string runtime = WithoutSlash(Environment("XDG_RUNTIME_DIR"));
    if (!runtime.empty() && IsPrivateFolder(runtime))
        return runtime;

    std::string shared = WithoutSlash(Environment("TMPDIR"));
    if (shared.empty())
        shared = "/tmp";
    const std::string own = shared + "/lumo-" + std::to_string(geteuid());
    if (MakePrivateFolder(own))
        return own;

    std::string cache = WithoutSlash(Environment("XDG_CACHE_HOME"));
    if (cache.empty()) {
        const std::string home = WithoutSlash(Environment("HOME"));
        if (home.empty())
            return {};
        cache = home + "/.cache";
    }
    const std::string fallback = cache + "/lumo/tmp";
    return MakeFolders(fallback) ? fallback : std::string();
}

bool RemoveOwnRegularFile(const std::string &folder, const std::string &name)
{
    if (name.empty() || name.find('/') != std::string::npos || name == "." || name == "..")
        return false;
    const int dir = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (dir < 0)
        return false;
    struct stat info {};
    bool removed = false;
    // Checked through the open folder, so the folder checked is the one the
    // file is deleted from.
    if (fstat(dir, &info) == 0 && IsPrivate(info) &&
        fstatat(dir, name.c_str(), &info, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(info.st_mode) &&
        info.st_uid == geteuid())
        removed = unlinkat(dir, name.c_str(), 0) == 0;
    close(dir);
    return removed;
}

} // namespace lumo
