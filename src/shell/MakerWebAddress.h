#pragma once
// The maker's web site: the title-bar logo's hint and the page it opens.

namespace lumo {

inline constexpr char kMakerWebAddress[] = "http://www.vemu.de";

} // namespace lumo
