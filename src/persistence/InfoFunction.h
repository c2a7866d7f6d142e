#pragma once
// How the persistence dialogs show a message: the main window passes its
// message dialog, tests pass a recorder.

#include <QString>

#include <functional>

namespace lumo {

using InfoFunction = std::function<void(const QString &text)>;

} // namespace lumo
