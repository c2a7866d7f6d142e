#pragma once
// The tests' update server: update_server.py as a real process on 127.0.0.1,
// serving a private folder. It ends with the test (its standard input
// closes) or after its lifetime, whichever comes first.

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

class TestUpdateServer {
public:
    // Extra arguments: a certificate and a key make it answer over TLS.
    explicit TestUpdateServer(const QStringList &tlsFiles = {});
    ~TestUpdateServer();

    // Empty when it runs; else why not.
    QString Error() const { return FError; }
    // "http://127.0.0.1:<port>/" (https with TLS).
    QString Base() const { return FBase; }
    int Port() const { return FPort; }

    // A file below the served folder, with optional reply shaping (JSON, see
    // update_server.py).
    void Put(const QString &path, const QByteArray &content, const QByteArray &behave = {});
    void Behave(const QString &path, const QByteArray &behave);
    // The request paths so far, in order.
    QStringList Requests() const;

private:
    QTemporaryDir FRoot;
    QProcess FProcess;
    QString FError;
    QString FBase;
    int FPort = 0;
};
