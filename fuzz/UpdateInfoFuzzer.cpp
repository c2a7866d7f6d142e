// Any bytes as the update server's information file: reading never fails or
// hangs, a value never spans lines, and only a version in the window above
// the own one counts as newer.
#include "FuzzRequire.h"
#include "online/ProfileText.h"
#include "online/UpdateVersion.h"

#include <cstdint>
#include <string_view>

using lumo::fuzz::Require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    for (const char *key : {"Version", "NewVersion"}) {
        if (const auto value = lumo::ReadProfileString(text, "VEMU", key)) {
            Require(value->find_first_of("\r\n") == std::string::npos);
            Require(value->size() <= size);
        }
    }
    const lumo::UpdateOffer offer = lumo::EvaluateUpdateInfo(text, "26.4.6.0");
    if (offer.newer) {
        const auto version = lumo::ReadProfileString(text, "VEMU", "Version");
        Require(version.has_value());
        const auto number = lumo::ParseProfileInteger(*version);
        Require(number.has_value() && *number > 26460 && *number < 27459);
    }
    Require(offer.newVersion.find_first_of("\r\n") == std::string::npos);
    return 0;
}
