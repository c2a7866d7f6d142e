#pragma once
// The maker's web site: the title-bar logo's hint and the page it opens. Set
// at build time (LUMO_WEB_SITE, see the README).

#include "LumoAddresses.h"

namespace lumo {

inline constexpr char kMakerWebAddress[] = LUMO_WEB_SITE;

} // namespace lumo
