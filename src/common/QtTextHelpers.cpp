#include "common/QtTextHelpers.h"

namespace lumo {

QString Trim(const QString &text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text.at(begin).unicode() <= 32)
        ++begin;
    while (end > begin && text.at(end - 1).unicode() <= 32)
        --end;
    return text.mid(begin, end - begin);
}

QString RepeatText(const QString &text, int count)
{
    if (text.isEmpty() || count < 2)
        return {};
    return text.repeated(count - 1);
}

} // namespace lumo
