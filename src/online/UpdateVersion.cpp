#include "online/UpdateVersion.h"

#include "online/ProfileText.h"

namespace lumo {

std::string DotlessVersion(std::string_view version)
{
    std::string dotless;
    for (char c : version) {
        if (c != '.')
            dotless += c;
    }
    return dotless;
}

UpdateOffer EvaluateUpdateInfo(std::string_view infoText, std::string_view ownVersion)
{
    const std::string own = DotlessVersion(ownVersion);
    const long long ownNumber = ParseProfileInteger(own).value_or(0);

    long long remote = -1;
    if (const auto version = ReadProfileString(infoText, "VEMU", "Version"))
        remote = ParseProfileInteger(*version).value_or(-1);

    UpdateOffer offer;
    offer.newer = ownNumber < remote && remote < ownNumber + 999;
    offer.newVersion = ReadProfileString(infoText, "VEMU", "NewVersion").value_or(own);
    return offer;
}

} // namespace lumo
