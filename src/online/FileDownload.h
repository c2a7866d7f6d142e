#pragma once
// One download over HTTP(S) into a file, on the calling (window) thread: it
// runs a local event loop, so windows stay responsive meanwhile. It reports
// its stages like the classic bind-status callback (finding the resource,
// connecting, first data, data progress) and stops when a report says so.
//
// It succeeds only for a whole reply: status 200 and, for HTTP/1, an end that
// can be told from a cut connection (the announced length, or chunked
// framing). A reply above the size limit is refused as soon as its header or
// its data shows it. Only addresses of UrlPolicy are fetched and followed.

#include <QList>
#include <QObject>
#include <QPointer>
#include <QSslCertificate>
#include <QString>

#include <functional>

class QIODevice;
class QNetworkAccessManager;
class QNetworkReply;
class QUrl;

namespace lumo {

class FileDownload : public QObject {
    Q_OBJECT

public:
    // The status codes of the classic progress reports.
    enum class Stage { FindingResource = 1, Connecting = 2, BeginData = 4, Data = 5 };
    // Answers false to stop the download; it then fails. maximum is -1 while
    // the size is unknown.
    using Report = std::function<bool(Stage stage, qint64 progress, qint64 maximum)>;

    explicit FileDownload(QObject *parent = nullptr);
    ~FileDownload() override;

    void SetSizeLimit(qint64 bytes) { FLimit = bytes; }
    // No data for this long ends the download as failed.
    void SetTransferTimeout(int milliseconds) { FTimeout = milliseconds; }
    void SetReport(Report report) { FReport = std::move(report); }
    // For tests with a local TLS server: trusted besides the system's roots.
    void AddTrustedCertificates(const QList<QSslCertificate> &certificates);

    // Writes the reply to file (open for writing). True only when all of it
    // arrived and was written.
    bool Run(const QUrl &url, QIODevice &file);
    // Stops a running download from outside (the program is closing).
    void Abort();
    bool Running() const { return !FReply.isNull(); }

    // Why the last run failed, in English, for the log; empty after success.
    QString Failure() const { return FFailure; }
    qint64 BytesWritten() const { return FWritten; }

private:
    bool Tell(Stage stage, qint64 progress, qint64 maximum);
    void Stop(const QString &reason);
    void OnHeaders();
    void OnData(QIODevice &file);
    bool WholeReply() const;

    QNetworkAccessManager *FManager;
    QPointer<QNetworkReply> FReply;
    Report FReport;
    QList<QSslCertificate> FTrusted;
    qint64 FLimit = 0;
    int FTimeout = 30000;
    qint64 FWritten = 0;
    bool FStopped = false;
    bool FBegun = false;
    QString FFailure;
};

} // namespace lumo
