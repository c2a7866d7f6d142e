#include "shell/InstanceFolder.h"

#include <cerrno>
#include <cstdlib>

#include <sys/stat.h>
#include <unistd.h>

namespace lumo {

namespace {

bool Absolute(const std::string &path)
{
    return !path.empty() && path.front() == '/';
}

std::string Environment(const char *name)
{
    const char *value = std::getenv(name);
    return value ? std::string(value) : std::string();
}

std::string OwnName()
{
    return "lumo-" + std::to_string(static_cast<unsigned long>(getuid()));
}

// mkdir with mode 0700, then the lstat check: whoever made the name first,
// only a folder of ours that nobody else can enter is taken.
std::string MadePrivate(const std::string &path)
{
    if (mkdir(path.c_str(), 0700) != 0 && errno != EEXIST)
        return {};
    return InstanceFolder::IsPrivate(path) ? path : std::string();
}

// Creates the missing folders of a path in the user's home, each 0700. Those
// that exist stay as they are; only the last one is checked by the caller.
void MakeParents(const std::string &path)
{
    for (std::string::size_type slash = path.find('/', 1); slash != std::string::npos;
         slash = path.find('/', slash + 1))
        mkdir(path.substr(0, slash).c_str(), 0700);
}

} // namespace

bool InstanceFolder::IsPrivate(const std::string &path)
{
    struct stat info {};
    if (path.empty() || lstat(path.c_str(), &info) != 0)
        return false;
    return S_ISDIR(info.st_mode) && info.st_uid == getuid() && (info.st_mode & 077) == 0;
}

std::string InstanceFolder::Choose(const InstanceFolderPlaces &places)
{
    if (Absolute(places.runtimeDir) && IsPrivate(places.runtimeDir))
        return places.runtimeDir;

    const std::string temp = Absolute(places.tempDir) ? places.tempDir : std::string("/tmp");
    std::string folder = MadePrivate(temp + "/" + OwnName());
    if (!folder.empty())
        return folder;

    if (!Absolute(places.cacheDir))
        return {};
    MakeParents(places.cacheDir + "/");
    return MadePrivate(places.cacheDir + "/" + OwnName());
}

std::string InstanceFolder::Choose()
{
    InstanceFolderPlaces places;
    places.runtimeDir = Environment("XDG_RUNTIME_DIR");
    places.tempDir = Environment("TMPDIR");
    places.cacheDir = Environment("XDG_CACHE_HOME");
    if (!Absolute(places.cacheDir)) {
        const std::string home = Environment("HOME");
        places.cacheDir = Absolute(home) ? home + "/.cache" : std::string();
    }
    return Choose(places);
}

} // namespace lumo
