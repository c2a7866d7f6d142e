#include "online/FileDownload.h"

#include "online/UrlPolicy.h"

#include <QEventLoop>
#include <QIODevice>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSslConfiguration>
#include <QUrl>

namespace lumo {

namespace {

int StatusOf(const QNetworkReply *reply)
{
    return reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
}

} // namespace

FileDownload::FileDownload(QObject *parent) : QObject(parent), FManager(new QNetworkAccessManager(this))
{
}

FileDownload::~FileDownload()
{
    Abort();
}

void FileDownload::AddTrustedCertificates(const QList<QSslCertificate> &certificates)
{
    FTrusted += certificates;
}

bool FileDownload::Tell(Stage stage, qint64 progress, qint64 maximum)
{
    return !FReport || FReport(stage, progress, maximum);
}

void FileDownload::Stop(const QString &reason)
{
    if (FStopped)
        return;
    FStopped = true;
    FFailure = reason;
    if (FReply)
        FReply->abort();
}

void FileDownload::Abort()
{
    Stop(QStringLiteral("stopped"));
}

void FileDownload::OnHeaders()
{
    if (FStopped || !FReply)
        return;
    const int status = StatusOf(FReply);
    // A redirect's own header: followed or refused in the redirect handler.
    if (status >= 300 && status < 400)
        return;
    if (status != 200) {
        Stop(QStringLiteral("server answered %1").arg(status));
        return;
    }
    const QVariant length = FReply->header(QNetworkRequest::ContentLengthHeader);
    if (length.isValid() && length.toLongLong() > FLimit) {
        Stop(QStringLiteral("announced %1 bytes, above the limit of %2").arg(length.toLongLong()).arg(FLimit));
        return;
    }
    if (!FBegun) {
        FBegun = true;
        if (!Tell(Stage::BeginData, 0, length.isValid() ? length.toLongLong() : -1))
            Stop(QStringLiteral("cancelled"));
    }
}

void FileDownload::OnData(QIODevice &file)
{
    if (!FReply || !FReply->isOpen())
        return;
    const QByteArray chunk = FReply->readAll();
    if (FStopped || chunk.isEmpty() || StatusOf(FReply) != 200)
        return;
    if (chunk.size() > FLimit - FWritten) {
        Stop(QStringLiteral("more than the limit of %1 bytes").arg(FLimit));
        return;
    }
    if (file.write(chunk) != chunk.size()) {
        Stop(QStringLiteral("cannot write: %1").arg(file.errorString()));
        return;
    }
    FWritten += chunk.size();
}

bool FileDownload::WholeReply() const
{
    if (FStopped || FReply->error() != QNetworkReply::NoError || StatusOf(FReply) != 200)
        return false;
    const QVariant length = FReply->header(QNetworkRequest::ContentLengthHeader);
    if (length.isValid())
        return FWritten == length.toLongLong();
    // Without a length only framing tells a complete reply from a cut one.
    return FReply->attribute(QNetworkRequest::Http2WasUsedAttribute).toBool()
        || FReply->rawHeader("Transfer-Encoding").toLower().contains("chunked");
}

bool FileDownload::Run(const QUrl &url, QIODevice &file)
{
    FFailure.clear();
    FWritten = 0;
    FStopped = false;
    FBegun = false;
    if (!IsAllowedDownloadUrl(url)) {
        FFailure = QStringLiteral("address not allowed: %1").arg(url.toDisplayString());
        return false;
    }

    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::UserVerifiedRedirectPolicy);
    request.setMaximumRedirectsAllowed(5);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    // Compressed replies would be unpacked behind our back, and their length
    // would no longer be the announced one.
    request.setRawHeader("Accept-Encoding", "identity");
    request.setTransferTimeout(FTimeout);
    if (!FTrusted.isEmpty()) {
        QSslConfiguration ssl = QSslConfiguration::defaultConfiguration();
        ssl.addCaCertificates(FTrusted);
        request.setSslConfiguration(ssl);
    }

    QNetworkReply *reply = FManager->get(request);
    FReply = reply;
    QUrl current = url;
    QEventLoop loop;
    connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    connect(reply, &QNetworkReply::socketStartedConnecting, this, [this] {
        if (!Tell(Stage::Connecting, 0, 0))
            Stop(QStringLiteral("cancelled"));
    });
    connect(reply, &QNetworkReply::redirected, this, [this, reply, &current](const QUrl &to) {
        const QUrl target = current.resolved(to);
        if (!IsAllowedRedirect(current, target)) {
            Stop(QStringLiteral("redirect to %1 refused").arg(target.toDisplayString()));
            return;
        }
        current = target;
        emit reply->redirectAllowed();
    });
    connect(reply, &QNetworkReply::metaDataChanged, this, [this] { OnHeaders(); });
    connect(reply, &QNetworkReply::readyRead, this, [this, &file] { OnData(file); });
    connect(reply, &QNetworkReply::downloadProgress, this, [this](qint64 received, qint64 total) {
        if (received > 0 && !FStopped && !Tell(Stage::Data, received, total))
            Stop(QStringLiteral("cancelled"));
    });

    if (!Tell(Stage::FindingResource, 0, 0))
        Stop(QStringLiteral("cancelled"));
    if (!reply->isFinished())
        loop.exec();

    OnData(file);
    const bool whole = WholeReply();
    if (!whole && FFailure.isEmpty()) {
        FFailure = reply->error() != QNetworkReply::NoError
            ? reply->errorString()
            : QStringLiteral("the reply's end cannot be told from a cut connection");
    }
    FReply = nullptr;
    reply->disconnect(this);
    reply->deleteLater();
    return whole;
}

} // namespace lumo
