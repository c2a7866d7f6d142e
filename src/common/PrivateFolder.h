#pragma once
// The user's own temporary folder: one that no other user can enter, list or
// plant files in. Qt-free.

#include <string>

namespace lumo {

// Whether the folder at this path (not followed when it is a link) belongs to
// the running user, is not a link and is closed to everybody else.
bool IsPrivateFolder(const std::string &path);

// The private temporary folder, without a trailing '/': $XDG_RUNTIME_DIR when
// it passes IsPrivateFolder; otherwise lumo-<uid> under $TMPDIR (or /tmp),
// created with mode 0700; when somebody else got there first, lumo/tmp under
// the user's cache folder. Empty when none of them can be had.
std::string PrivateTempFolder();

// Deletes name in folder, but only when folder is private and name is a
// regular file of the running user (a link, a folder or another user's file
// stays). True when a file was deleted.
bool RemoveOwnRegularFile(const std::string &folder, const std::string &name);

} // namespace lumo
