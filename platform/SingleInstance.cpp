#include "platform/SingleInstance.h"

#include "data/SafeFile.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QThread>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
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

// Something other than a regular file where the lock belongs (a pipe would block, a link could
// point anywhere) is in the way: take it away without following it.
void clearOddEntry(const QByteArray &path)
{
    struct stat st;
    if (::lstat(path.constData(), &st) != 0 || S_ISREG(st.st_mode))
        return;
    if (S_ISDIR(st.st_mode))
        ::rmdir(path.constData()); // only an empty one: never delete what a folder holds
    else
        ::unlink(path.constData());
}

} // namespace

SingleInstance::SingleInstance(const QString &key, const QString &folder, QObject *parent) : QObject(parent)
{
    const QString dir = folder.isEmpty() ? defaultFolder() : folder;
    const QString base = u"wrenly-"_s + QString::number(::getuid()) + u'-' + key;
    m_lockPath = dir + u'/' + base + u".lock"_s;
    m_serverName = dir + u'/' + base + u".sock"_s;
}

SingleInstance::~SingleInstance()
{
    // The file stays: removing it would let a process that opened it a moment ago lock a file
    // nobody else can find any more.
    if (m_lockFd >= 0)
        ::close(m_lockFd);
}

SingleInstance::LockOutcome SingleInstance::takeLock()
{
    const QByteArray path = QFile::encodeName(m_lockPath);
    clearOddEntry(path);
    const int fd =
        ::open(path.constData(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0600);
    if (fd < 0) {
        m_problem = SafeFile::systemReason(errno);
    } else if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int err = errno;
        ::close(fd);
        if (err == EWOULDBLOCK)
            return LockOutcome::HeldByRunning;
        m_problem = SafeFile::systemReason(err);
    } else {
        // Whatever the file held belongs to nobody now; the process id is only for people looking.
        const QByteArray pid = QByteArray::number(qint64(::getpid())) + '\n';
        if (::ftruncate(fd, 0) != 0 || ::pwrite(fd, pid.constData(), size_t(pid.size()), 0) < 0) {
            // The lock is held all the same; the text is a courtesy.
        }
        m_lockFd = fd;
        return LockOutcome::Taken;
    }
    m_problem = u"二重起動を防ぐためのファイル「"_s + m_lockPath + u"」を作れませんでした.\r\n"_s +
                m_problem + u"\r\n\r\nこのまま起動しますが,二つ目の Wrenly を起動しても気付けません."_s;
    return LockOutcome::Unavailable;
}

bool SingleInstance::claim()
{
    switch (takeLock()) {
    case LockOutcome::HeldByRunning:
        notifyRunning();
        return false;
    case LockOutcome::Unavailable:
        return true; // run anyway rather than refuse to start
    case LockOutcome::Taken:
        listen();
        return true;
    }
    return true;
}

void SingleInstance::listen()
{
    // We hold the lock, so a socket file left behind belongs to a dead process.
    QLocalServer::removeServer(m_serverName);
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *socket = m_server->nextPendingConnection()) {
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] { answer(socket); });
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        }
    });
    m_server->listen(m_serverName);
}

// The request is "come-forward", then the data folder of the later start, one line each.
void SingleInstance::answer(QLocalSocket *socket)
{
    // Both lines come in one write; until they are all here, wait for more rather than block.
    const QByteArray request = socket->peek(64 * 1024);
    if (!request.startsWith("come-forward\n")) {
        if (request.size() >= ComeForward.size())
            socket->disconnectFromServer();
        return;
    }
    if (request.count('\n') < 2)
        return;
    socket->readAll();
    const QString asked = QString::fromUtf8(request.mid(ComeForward.size())).section(u'\n', 0, 0);
    const bool other = !asked.isEmpty() && !m_dataFolder.isEmpty() &&
                       QDir::cleanPath(asked) != QDir::cleanPath(m_dataFolder);
    socket->write(other ? "other\n" + m_dataFolder.toUtf8() + '\n' : QByteArray("same\n"));
    socket->flush();
    socket->disconnectFromServer();
    if (other)
        emit otherFolderRequested(asked);
    else
        emit comeForwardRequested();
}

QString SingleInstance::otherFolderText(const QString &running, const QString &asked)
{
    return u"Wrenly はデータフォルダー「"_s + QDir::toNativeSeparators(running) +
           u"」を開いて起動しています."_s + u"\r\n\r\n"_s +
           u"同時に起動できる Wrenly は一つだけです. データフォルダー「"_s + QDir::toNativeSeparators(asked) +
           u"」を開くには,起動中の Wrenly を終了してから起動し直してください."_s;
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
            socket.write(ComeForward + m_dataFolder.toUtf8() + '\n');
            const bool ok = socket.waitForBytesWritten(1000);
            // A Wrenly from before the folder was asked about answers nothing: it came forward.
            QByteArray reply;
            while (!reply.contains("same") && reply.count('\n') < 2 && socket.waitForReadyRead(1000))
                reply += socket.readAll();
            reply += socket.readAll();
            if (reply.startsWith("other\n"))
                m_runningFolder = QString::fromUtf8(reply.mid(6)).section(u'\n', 0, 0);
            if (socket.state() != QLocalSocket::UnconnectedState)
                socket.waitForDisconnected(500);
            return ok;
        }
        QThread::msleep(50);
    }
    return false;
}
