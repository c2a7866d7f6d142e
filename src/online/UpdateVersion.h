#pragma once
// Whether the server's information file offers a newer version. Qt-free.

#include <string>
#include <string_view>

namespace lumo {

// The version's digits without the dots ("26.4.6.0" gives "26460"); the
// server writes the offered version the same way.
std::string DotlessVersion(std::string_view version);

struct UpdateOffer {
    // own < offered < own + 999, with the dotless numbers.
    bool newer = false;
    // "NewVersion" as it stands in the file (its bytes), or the dotless own
    // version when the key is missing.
    std::string newVersion;
};

// Reads "Version" and "NewVersion" of section "VEMU" from the information
// file's text. A missing or garbled "Version" is never newer; an own version
// that is not a number counts as 0.
UpdateOffer EvaluateUpdateInfo(std::string_view infoText, std::string_view ownVersion);

} // namespace lumo
