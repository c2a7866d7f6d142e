#pragma once
// One running program per user. The first start holds a lock file in the
// user's private temporary folder (PrivateTempFolder, which no other user can
// create first or enter) and listens on a local socket beside it; a later
// start finds the lock taken, asks the running one over the socket to come to the
// front and ends without showing anything.

#include <QList>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>

class QLocalServer;
class QLocalSocket;
class QLockFile;
class QWidget;

namespace lumo {

class SingleInstance : public QObject {
    Q_OBJECT
public:
    // Takes the lock for the key if it is free (or stale after a crash) and
    // then listens for later starts. Needs the QCoreApplication. Without any
    // private folder for the lock this instance runs as the primary one,
    // unguarded.
    explicit SingleInstance(const QString &key = DefaultKey(), QObject *parent = nullptr);
    ~SingleInstance() override;

    // "TLumoForm-<user id>": one instance per user, not per machine.
    static QString DefaultKey();

    // Whether this object holds the lock, i.e. this process is the running one.
    bool IsPrimary() const;

    // For a later start: asks the running instance to come to the front.
    // Gives up after the timeout; true when the request was handed over.
    // Blocks without an event loop, so it works before any window exists.
    bool ActivateRunningInstance(int timeoutMs = 800);

    // For the running instance: called on the window thread for every request
    // of a later start. Without a handler (while the bird still greets and no
    // main window exists) requests are dropped.
    void SetActivationHandler(std::function<void()> handler);

    QString LockFilePath() const;
    QString ServerPath() const;

signals:
    void ActivationRequested();

private:
    void Listen();
    void AcceptConnections();
    void ReadRequests(QLocalSocket *socket);
    // Closes a peer's connection and forgets it; once per peer.
    void Drop(QLocalSocket *socket);

    QString m_lockPath;
    QString m_serverPath;
    std::unique_ptr<QLockFile> m_lock;
    QLocalServer *m_server = nullptr;
    QList<QLocalSocket *> m_peers; // connected, oldest first
    bool m_unguarded = false;
    std::function<void()> m_handler;
};

// Brings a top-level window to the front: restores it when minimized, raises
// and activates it. False for a null window; otherwise whether it is the
// active window now. Window systems activate asynchronously, so the answer
// can lag behind the request; callers do not depend on it.
bool BringToForeground(QWidget *window);

} // namespace lumo
