#pragma once
// Where the single-instance lock and socket live: a folder that only this user
// can reach. Another local user must not be able to take the lock first (that
// would stop every start) or listen in place of the running program, so a
// folder counts only when it is a real directory, not a link, owned by this
// user, and closed to group and others.

#include <string>

namespace lumo {

// The places the folder may be taken from, as the environment names them.
struct InstanceFolderPlaces {
    std::string runtimeDir; // $XDG_RUNTIME_DIR: the session's private folder
    std::string tempDir;    // $TMPDIR; "/tmp" when empty or not absolute
    std::string cacheDir;   // $XDG_CACHE_HOME, or $HOME/.cache
};

class InstanceFolder {
public:
    // lstat, never following a link: a directory owned by the calling user
    // with no permission bits for group or others.
    static bool IsPrivate(const std::string &path);

    // The first private folder of, in this order:
    //  1. the runtime folder when it is private already (the session made it);
    //  2. "lumo-<uid>" in the temporary folder, created with mode 0700;
    //  3. "lumo-<uid>" in the cache folder, created with mode 0700, for when
    //     someone else planted the name in the shared temporary folder.
    // An existing folder is used only when it passes IsPrivate; it is never
    // repaired, since what another user put inside would stay. Empty when none
    // of the three can be had.
    static std::string Choose(const InstanceFolderPlaces &places);
    // The same for this process's environment.
    static std::string Choose();
};

} // namespace lumo
