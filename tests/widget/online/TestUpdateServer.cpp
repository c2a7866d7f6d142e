#include "TestUpdateServer.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>

TestUpdateServer::TestUpdateServer(const QStringList &tlsFiles)
{
    const QString script = QStringLiteral(LUMO_TEST_SOURCE_DIR "/update_server.py");
    FProcess.setProcessChannelMode(QProcess::SeparateChannels);
    FProcess.start(QStringLiteral("python3"), QStringList{script, FRoot.path(), QStringLiteral("240")} + tlsFiles);
    if (!FProcess.waitForStarted(10000)) {
        FError = QStringLiteral("python3 did not start: ") + FProcess.errorString();
        return;
    }
    QByteArray line;
    QDeadlineTimer deadline(20000);
    while (!line.contains('\n') && !deadline.hasExpired()) {
        FProcess.waitForReadyRead(static_cast<int>(deadline.remainingTime()));
        line += FProcess.readAllStandardOutput();
        if (FProcess.state() != QProcess::Running)
            break;
    }
    if (!line.startsWith("PORT ")) {
        FError = QStringLiteral("update server did not start: ") + QString::fromLocal8Bit(line)
            + QString::fromLocal8Bit(FProcess.readAllStandardError());
        return;
    }
    FPort = line.mid(5).trimmed().toInt();
    FBase = QStringLiteral("%1://127.0.0.1:%2/").arg(tlsFiles.isEmpty() ? "http" : "https").arg(FPort);
}

TestUpdateServer::~TestUpdateServer()
{
    if (FProcess.state() != QProcess::NotRunning) {
        FProcess.closeWriteChannel();
        if (!FProcess.waitForFinished(5000)) {
            FProcess.kill();
            FProcess.waitForFinished(5000);
        }
    }
}

void TestUpdateServer::Put(const QString &path, const QByteArray &content, const QByteArray &behave)
{
    const QString full = FRoot.filePath(path);
    QDir().mkpath(QFileInfo(full).absolutePath());
    QFile file(full);
    if (file.open(QIODevice::WriteOnly))
        file.write(content);
    if (!behave.isEmpty())
        Behave(path, behave);
}

void TestUpdateServer::Behave(const QString &path, const QByteArray &behave)
{
    const QString full = FRoot.filePath(path + QStringLiteral(".behave"));
    QDir().mkpath(QFileInfo(full).absolutePath());
    QFile file(full);
    if (file.open(QIODevice::WriteOnly))
        file.write(behave);
}

QStringList TestUpdateServer::Requests() const
{
    QFile log(FRoot.filePath(QStringLiteral("requests.log")));
    if (!log.open(QIODevice::ReadOnly))
        return {};
    QStringList paths;
    for (const QByteArray &line : log.readAll().split('\n')) {
        if (line.startsWith("GET "))
            paths << QString::fromUtf8(line.mid(4));
    }
    return paths;
}
