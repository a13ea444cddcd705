#pragma once

#include <QObject>

class QLocalServer;
class QLocalSocket;

// One Wrenly per user. The first process holds a lock on a file and listens on a local socket,
// both in the user's runtime folder and keyed by the window title; a later start connects, asks
// the first one to come forward and ends. The lock is the kernel's (flock) and goes with the
// process, so a crash leaves nothing that could stop a later start, whatever the file holds.
class SingleInstance final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SingleInstance)
public:
    // `folder` defaults to the user's runtime folder.
    explicit SingleInstance(const QString &key, const QString &folder = {}, QObject *parent = nullptr);
    ~SingleInstance() override;

    // True when this process is the first one; it then listens for later starts. Otherwise the
    // running one has been asked to come forward. When no lock can be had at all, Wrenly runs
    // anyway and problem() says why.
    bool claim();

    // Empty, or a Japanese message for the user: the lock could not be taken, so a second start
    // would not be noticed.
    QString problem() const { return m_problem; }

    // The data folder this start opens: a later start with another folder is turned away.
    void setDataFolder(const QString &folder) { m_dataFolder = folder; }
    // After a claim() that stood down: the folder the running Wrenly has open when it is not
    // ours, else empty.
    QString runningFolder() const { return m_runningFolder; }
    // The Japanese message of a start with `asked` while `running` is open.
    static QString otherFolderText(const QString &running, const QString &asked);

    QString serverName() const { return m_serverName; }
    QString lockPath() const { return m_lockPath; }

signals:
    void comeForwardRequested();
    // A later start asked for another data folder: it has stood down, this one stays as it is.
    void otherFolderRequested(const QString &folder);

private:
    enum class LockOutcome { Taken, HeldByRunning, Unavailable };
    LockOutcome takeLock();
    void listen();
    bool notifyRunning();
    void answer(QLocalSocket *socket);

    QString m_lockPath;
    QString m_serverName;
    QString m_problem;
    QString m_dataFolder;
    QString m_runningFolder;
    int m_lockFd = -1;
    QLocalServer *m_server = nullptr;
};
