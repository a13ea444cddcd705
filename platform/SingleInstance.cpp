#include "platform/SingleInstance.h"

#include <QDir>
#include <QElapsedTimer>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>
#include <QThread>

#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

const QByteArray ComeForward = "come-forward\n";

QString defaultFolder()
{
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty())
        dir = QDir::tempPath();
    return dir;
}

} // namespace

SingleInstance::SingleInstance(const QString &key, const QString &folder, QObject *parent) : QObject(parent)
{
    const QString dir = folder.isEmpty() ? defaultFolder() : folder;
    const QString base = u"wrenly-"_s + QString::number(::getuid()) + u'-' + key;
    m_lockPath = dir + u'/' + base + u".lock"_s;
    m_serverName = dir + u'/' + base + u".sock"_s;
}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::claim()
{
    m_lock = std::make_unique<QLockFile>(m_lockPath);
    m_lock->setStaleLockTime(0); // stale only when its process is gone
    if (!m_lock->tryLock(0)) {
        if (m_lock->error() == QLockFile::LockFailedError) {
            m_lock.reset();
            notifyRunning();
            return false;
        }
        // The folder is unusable: run anyway rather than refuse to start.
        m_lock.reset();
        return true;
    }
    // We hold the lock, so a socket file left behind belongs to a dead process.
    QLocalServer::removeServer(m_serverName);
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *socket = m_server->nextPendingConnection()) {
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
                if (socket->readAll().contains("come-forward"))
                    emit comeForwardRequested();
                socket->disconnectFromServer();
            });
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        }
    });
    m_server->listen(m_serverName);
    return true;
}

bool SingleInstance::notifyRunning()
{
    // The first process may be between taking the lock and listening: retry for a moment.
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < 3000) {
        QLocalSocket socket;
        socket.connectToServer(m_serverName);
        if (socket.waitForConnected(500)) {
            socket.write(ComeForward);
            const bool ok = socket.waitForBytesWritten(1000);
            socket.waitForDisconnected(500);
            return ok;
        }
        QThread::msleep(50);
    }
    return false;
}
