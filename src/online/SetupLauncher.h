#pragma once
// Starting the downloaded setup as a process of its own.

#include <QString>

namespace lumo {

// Makes the file executable for its owner and starts it detached, in its
// folder, without arguments. True when it started. The file is then removed
// as soon as the setup has ended: a setup that is a script, or an archive
// that reads itself, opens its file again after it has started, so removing
// it at once would break it.
bool RunFile(const QString &file);

} // namespace lumo
