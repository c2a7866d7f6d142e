#pragma once
// The program's base name as the settings and high-score stores use it.

#include <QString>

namespace lumo {

// The running program file's name without folder and extension ("Lumo").
QString StoreBaseName();

} // namespace lumo
