#pragma once
// Stored sounds and music pieces are found by name without regard to letter
// case ("Applaus" finds APPLAUS, "data_3" finds DATA_3).

#include <QByteArray>
#include <QString>

#include <optional>

namespace lumo {

// The resource path in the folder (":/sound", ":/music") whose file name
// without extension equals the name ignoring case; empty when there is none.
QString FindResourceByName(const QString& folder, const QString& name);

// The resource's bytes, or nothing when it does not exist.
std::optional<QByteArray> ReadResourceByName(const QString& folder, const QString& name);

} // namespace lumo
