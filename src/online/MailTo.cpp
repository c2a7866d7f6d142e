#include "online/MailTo.h"

#include <QUrl>

namespace lumo {

namespace {

QString Encoded(const QString &text, const QByteArray &keep = {})
{
    return QString::fromLatin1(QUrl::toPercentEncoding(text, keep));
}

} // namespace

QString MailToUrl(const MailRequest &request)
{
    QString url = QStringLiteral("mailto:") + Encoded(request.value(QStringLiteral("to")), "@");
    QChar separator = QLatin1Char('?');
    for (const char *name : {"subject", "body"}) {
        const QString value = request.value(QLatin1String(name));
        if (value.isEmpty())
            continue;
        url += separator + QLatin1String(name) + QLatin1Char('=') + Encoded(value);
        separator = QLatin1Char('&');
    }
    return url;
}

} // namespace lumo
