#pragma once
// QString counterparts of TextHelpers.h for widget code.

#include <QString>

namespace lumo {

// Removes leading and trailing characters with codes 0..32.
QString Trim(const QString &text);

// The text repeated count - 1 times; empty when the text is empty or count < 2.
QString RepeatText(const QString &text, int count);

} // namespace lumo
