#pragma once
// The mail request handed to the user's mail program, as a mailto link.

#include <QMap>
#include <QString>

namespace lumo {

// Name=value pairs read by name: "to", "subject", "body". A name whose value
// is empty counts as absent.
using MailRequest = QMap<QString, QString>;

// "mailto:" + the recipient, then "?subject=" and "&body=" as far as present,
// every character but the unreserved ones percent-encoded as UTF-8 (blanks as
// %20, as mail programs expect). A link carries no attachments; the program
// sets none.
QString MailToUrl(const MailRequest &request);

} // namespace lumo
