#include "shell/SingleInstance.h"

#include "common/PrivateFolder.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <unistd.h>

namespace lumo {

namespace {

// The only request there is. Anything else on the socket is ignored, and a
// peer that sends more than a short line without a break is cut off.
constexpr char kActivateRequest[] = "activate";
constexpr qint64 kLongestRequest = 64;

// A later start sends its request together with the connection, so a peer
// that is still silent after a second is not one; and only a few peers are
// heard at a time, so idle connections cannot fill the descriptor table.
constexpr int kQuietPeerMs = 1000;
constexpr int kMostPeers = 8;

} // namespace

SingleInstance::SingleInstance(const QString &key, QObject *parent)
    : QObject(parent)
{
    const QString folder = QFile::decodeName(PrivateTempFolder().c_str());
    if (folder.isEmpty()) {
        // No folder that only this user reaches: rather run unguarded than
        // let another user's files decide whether the game starts at all.
        m_unguarded = true;
        return;
    }
    m_lockPath = folder + QLatin1Char('/') + key + QStringLiteral(".lock");
    m_serverPath = folder + QLatin1Char('/') + key + QStringLiteral(".socket");

    m_lock = std::make_unique<QLockFile>(m_lockPath);
    // A lock held by a running instance never ages out; one left by a crashed
    // process is recognised by its dead process id and taken over.
    m_lock->setStaleLockTime(0);
    if (m_lock->tryLock(0))
        Listen();
    else
        m_lock.reset();
}

SingleInstance::~SingleInstance()
{
    if (m_server)
        m_server->close();
    if (m_lock)
        m_lock->unlock();
}

QString SingleInstance::DefaultKey()
{
    return QStringLiteral("TLumoForm-%1").arg(static_cast<qulonglong>(getuid()));
}

bool SingleInstance::IsPrimary() const
{
    return m_lock != nullptr || m_unguarded;
}

QString SingleInstance::LockFilePath() const
{
    return m_lockPath;
}

QString SingleInstance::ServerPath() const
{
    return m_serverPath;
}

void SingleInstance::SetActivationHandler(std::function<void()> handler)
{
    m_handler = std::move(handler);
}

bool SingleInstance::ActivateRunningInstance(int timeoutMs)
{
    if (IsPrimary())
        return false;
    const QDeadlineTimer deadline(timeoutMs);
    QLocalSocket socket;
    socket.connectToServer(m_serverPath);
    if (!socket.waitForConnected(static_cast<int>(deadline.remainingTime())))
        return false;
    socket.write(kActivateRequest);
    socket.write("\n");
    while (socket.bytesToWrite() > 0) {
        if (!socket.waitForBytesWritten(static_cast<int>(deadline.remainingTime())))
            return false;
    }
    socket.disconnectFromServer();
    if (socket.state() != QLocalSocket::UnconnectedState)
        socket.waitForDisconnected(static_cast<int>(deadline.remainingTime()));
    return true;
}

void SingleInstance::Listen()
{
    // We hold the lock, so a socket file left behind belongs to a dead instance.
    QLocalServer::removeServer(m_serverPath);
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server, &QLocalServer::newConnection, this, &SingleInstance::AcceptConnections);
    // Without a socket later starts cannot reach us, but the lock still keeps
    // them from running; that is the part that matters.
    m_server->listen(m_serverPath);
}

void SingleInstance::AcceptConnections()
{
    while (QLocalSocket *socket = m_server->nextPendingConnection()) {
        // The newest peer is the likeliest to be a real start: room is made
        // by dropping the one that has been silent longest.
        if (m_peers.size() >= kMostPeers)
            Drop(m_peers.first());
        m_peers.append(socket);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { ReadRequests(socket); });
        connect(socket, &QLocalSocket::disconnected, this, [this, socket] { Drop(socket); });
        QTimer::singleShot(kQuietPeerMs, socket, [this, socket] { Drop(socket); });
        // The request may have arrived together with the connection.
        ReadRequests(socket);
    }
}

void SingleInstance::ReadRequests(QLocalSocket *socket)
{
    while (socket->canReadLine()) {
        const QByteArray line = socket->readLine(kLongestRequest + 1);
        if (!line.endsWith('\n')) {
            Drop(socket);
            return;
        }
        if (line.trimmed() != kActivateRequest)
            continue;
        // One request per connection: the start that sent it has said all.
        Drop(socket);
        emit ActivationRequested();
        if (m_handler)
            m_handler();
        return;
    }
    if (socket->bytesAvailable() > kLongestRequest)
        Drop(socket);
}

void SingleInstance::Drop(QLocalSocket *socket)
{
    if (!m_peers.removeOne(socket))
        return;
    socket->abort();
    socket->deleteLater();
}

bool BringToForeground(QWidget *window)
{
    if (!window)
        return false;
    QWidget *top = window->window();
    // The title writer stops the main window's property events, so Qt may not
    // have seen the window manager iconify it: an unexposed window counts as
    // minimized, and is marked so first, since only leaving the minimized
    // state maps the window again.
    const QWindow *handle = top->windowHandle();
    if (top->isMinimized() || (top->isVisible() && handle && !handle->isExposed())) {
        if (!top->isMinimized())
            top->setWindowState(top->windowState() | Qt::WindowMinimized);
        top->setWindowState(top->windowState() & ~Qt::WindowMinimized);
        top->show();
    }
    if (top->isActiveWindow())
        return true;
    top->raise();
    top->activateWindow();
    return top->isActiveWindow();
}

} // namespace lumo
