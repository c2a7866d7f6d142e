// The download itself against real local servers, plain and TLS: which
// addresses it fetches and follows, when a reply counts as whole, the limits.

#include "TestUpdateServer.h"

#include "online/FileDownload.h"
#include "online/UrlPolicy.h"

#include <QBuffer>
#include <QFile>
#include <QProcess>
#include <QSslCertificate>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <memory>

using namespace lumo;

namespace {

struct Fetched {
    bool whole = false;
    QByteArray data;
    QString failure;
};

Fetched Fetch(const QString &url, qint64 limit = 1 << 20, const QList<QSslCertificate> &trusted = {},
              int timeout = 30000)
{
    FileDownload download;
    download.SetSizeLimit(limit);
    download.SetTransferTimeout(timeout);
    download.AddTrustedCertificates(trusted);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    Fetched result;
    result.whole = download.Run(QUrl(url), buffer);
    result.data = buffer.data();
    result.failure = download.Failure();
    return result;
}

// Reply shaping of update_server.py: a redirect to url.
QByteArray RedirectTo(const QString &url)
{
    return "{\"redirect\": \"" + url.toUtf8() + "\"}";
}

} // namespace

class FileDownloadTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TestUpdateServer> FServer;

private slots:
    void initTestCase()
    {
        FServer = std::make_unique<TestUpdateServer>();
        QVERIFY2(FServer->Error().isEmpty(), qPrintable(FServer->Error()));
        FServer->Put(QStringLiteral("plain"), "0123456789");
        FServer->Put(QStringLiteral("chunked"), QByteArray(5000, 'c'), R"({"chunked": true, "chunk": 700})");
        FServer->Put(QStringLiteral("unframed"), QByteArray(5000, 'u'), R"({"length": "none"})");
        FServer->Put(QStringLiteral("cut"), QByteArray(5000, 'x'), R"({"chunk": 1000, "cut_after": 3000})");
        FServer->Put(QStringLiteral("stalls"), QByteArray(3000, 's'), R"({"chunk": 1000, "pause": 3})");
        FServer->Put(QStringLiteral("forbidden"), "secret", R"({"status": 403})");
    }

    void addressPolicy_data()
    {
        QTest::addColumn<QString>("url");
        QTest::addColumn<bool>("allowed");
        QTest::newRow("https") << "https://lumo.example.org/downloads/x" << true;
        QTest::newRow("HTTPS upper case") << "HTTPS://lumo.example.org/" << true;
        QTest::newRow("http far away") << "http://lumo.example.org/" << false;
        QTest::newRow("http loopback v4") << "http://127.0.0.1:8080/x" << true;
        QTest::newRow("http loopback v4 range") << "http://127.8.9.10/x" << true;
        QTest::newRow("http loopback v6") << "http://[::1]:8080/x" << true;
        QTest::newRow("http localhost by name") << "http://localhost/x" << false;
        QTest::newRow("http private") << "http://192.168.1.1/x" << false;
        QTest::newRow("ftp") << "ftp://127.0.0.1/x" << false;
        QTest::newRow("file") << "file:///etc/passwd" << false;
        QTest::newRow("user info") << "https://user:pw@lumo.example.org/" << false;
        QTest::newRow("no host") << "https:///x" << false;
    }

    void addressPolicy()
    {
        QFETCH(QString, url);
        QFETCH(bool, allowed);
        QCOMPARE(IsAllowedDownloadUrl(QUrl(url)), allowed);
    }

    void redirectPolicy()
    {
        const QUrl https(QStringLiteral("https://lumo.example.org/a"));
        const QUrl loopback(QStringLiteral("http://127.0.0.1/a"));
        QVERIFY(IsAllowedRedirect(https, QUrl(QStringLiteral("https://mirror.example.org/b"))));
        QVERIFY(!IsAllowedRedirect(https, QUrl(QStringLiteral("http://127.0.0.1/b"))));
        QVERIFY(!IsAllowedRedirect(https, QUrl(QStringLiteral("http://mirror.example.org/b"))));
        QVERIFY(IsAllowedRedirect(loopback, QUrl(QStringLiteral("http://127.0.0.1:81/b"))));
        QVERIFY(IsAllowedRedirect(loopback, QUrl(QStringLiteral("https://lumo.example.org/b"))));
        QVERIFY(!IsAllowedRedirect(loopback, QUrl(QStringLiteral("http://lumo.example.org/b"))));
    }

    void wholeReplies_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("whole");
        QTest::addColumn<int>("size");
        QTest::newRow("with length") << "plain" << true << 10;
        QTest::newRow("chunked") << "chunked" << true << 5000;
        QTest::newRow("end only by closing") << "unframed" << false << -1;
        QTest::newRow("cut short") << "cut" << false << -1;
        QTest::newRow("not found") << "missing" << false << 0;
        QTest::newRow("forbidden") << "forbidden" << false << 0;
    }

    void wholeReplies()
    {
        QFETCH(QString, path);
        QFETCH(bool, whole);
        QFETCH(int, size);
        const Fetched got = Fetch(FServer->Base() + path);
        QVERIFY2(got.whole == whole, qPrintable(got.failure));
        if (size >= 0)
            QCOMPARE(got.data.size(), size);
        QCOMPARE(got.failure.isEmpty(), whole);
    }

    void limitCountsTheDataAsItComes()
    {
        QVERIFY(Fetch(FServer->Base() + QStringLiteral("chunked"), 5000).whole);
        const Fetched over = Fetch(FServer->Base() + QStringLiteral("chunked"), 4999);
        QVERIFY(!over.whole);
        QVERIFY2(over.failure.contains(QStringLiteral("limit")), qPrintable(over.failure));
        QVERIFY(over.data.size() <= 4999);
        // An announced length above the limit is refused before any data.
        const Fetched announced = Fetch(FServer->Base() + QStringLiteral("plain"), 9);
        QVERIFY(!announced.whole);
        QVERIFY(announced.data.isEmpty());
    }

    void aStalledTransferEnds()
    {
        const Fetched got = Fetch(FServer->Base() + QStringLiteral("stalls"), 1 << 20, {}, 500);
        QVERIFY(!got.whole);
        QVERIFY(got.data.size() < 3000);
    }

    void refusedAddressesAreNotAsked()
    {
        const int before = FServer->Requests().size();
        QVERIFY(!Fetch(QStringLiteral("ftp://127.0.0.1:%1/plain").arg(FServer->Port())).whole);
        QVERIFY(!Fetch(QStringLiteral("file:///etc/hostname")).whole);
        QCOMPARE(FServer->Requests().size(), before);
    }

    void redirectsAreFollowedOnlyWhereAllowed()
    {
        FServer->Behave(QStringLiteral("to-plain"), RedirectTo(FServer->Base() + QStringLiteral("plain")));
        FServer->Behave(QStringLiteral("to-file"), RedirectTo(QStringLiteral("file:///etc/hostname")));
        FServer->Behave(QStringLiteral("relative"), RedirectTo(QStringLiteral("/plain")));
        QCOMPARE(Fetch(FServer->Base() + QStringLiteral("to-plain")).data, QByteArray("0123456789"));
        QCOMPARE(Fetch(FServer->Base() + QStringLiteral("relative")).data, QByteArray("0123456789"));
        const Fetched file = Fetch(FServer->Base() + QStringLiteral("to-file"));
        QVERIFY(!file.whole);
        QVERIFY(file.data.isEmpty());
    }

    // HTTPS against a local TLS server with a certificate made for the test:
    // refused until trusted, and then never redirected down to plain HTTP.
    void tlsIsCheckedAndNeverDowngraded()
    {
        QTemporaryDir keys;
        const QString cert = keys.filePath(QStringLiteral("cert.pem"));
        const QString key = keys.filePath(QStringLiteral("key.pem"));
        QProcess openssl;
        openssl.start(QStringLiteral("openssl"),
                      {QStringLiteral("req"), QStringLiteral("-x509"), QStringLiteral("-newkey"), QStringLiteral("rsa:2048"),
                       QStringLiteral("-nodes"), QStringLiteral("-days"), QStringLiteral("2"), QStringLiteral("-subj"),
                       QStringLiteral("/CN=127.0.0.1"), QStringLiteral("-addext"),
                       QStringLiteral("subjectAltName=IP:127.0.0.1"), QStringLiteral("-keyout"), key,
                       QStringLiteral("-out"), cert});
        QVERIFY2(openssl.waitForFinished(60000) && openssl.exitCode() == 0,
                 qPrintable(QStringLiteral("openssl: ") + openssl.errorString() + QString::fromLocal8Bit(openssl.readAllStandardError())));
        const QList<QSslCertificate> trusted = QSslCertificate::fromPath(cert);
        QCOMPARE(trusted.size(), 1);

        TestUpdateServer tls({cert, key});
        QVERIFY2(tls.Error().isEmpty(), qPrintable(tls.Error()));
        tls.Put(QStringLiteral("plain"), "secure");
        tls.Behave(QStringLiteral("down"), RedirectTo(FServer->Base() + QStringLiteral("plain")));

        const Fetched untrusted = Fetch(tls.Base() + QStringLiteral("plain"));
        QVERIFY(!untrusted.whole);
        QVERIFY(untrusted.data.isEmpty());
        QCOMPARE(Fetch(tls.Base() + QStringLiteral("plain"), 1 << 20, trusted).data, QByteArray("secure"));

        const int before = FServer->Requests().size();
        const Fetched down = Fetch(tls.Base() + QStringLiteral("down"), 1 << 20, trusted);
        QVERIFY(!down.whole);
        QVERIFY2(down.failure.contains(QStringLiteral("refused")), qPrintable(down.failure));
        QCOMPARE(FServer->Requests().size(), before);
    }
};

QTEST_MAIN(FileDownloadTest)
#include "FileDownloadTest.moc"
