#pragma once

#include <QObject>

#include <memory>

class QLocalServer;
class QLockFile;

// One Wrenly per user. The first process holds a lock file and listens on a local socket, both in
// the user's runtime folder and keyed by the window title; a later start connects, asks the
// first one to come forward and ends. A crashed first process leaves a stale lock and socket,
// which the next start detects and replaces.
class SingleInstance final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SingleInstance)
public:
    // `folder` defaults to the user's runtime folder.
    explicit SingleInstance(const QString &key, const QString &folder = {}, QObject *parent = nullptr);
    ~SingleInstance() override;

    // True when this process is the first one; it then listens for later starts. Otherwise the
    // running one has been asked to come forward.
    bool claim();

    QString serverName() const { return m_serverName; }

signals:
    void comeForwardRequested();

private:
    bool notifyRunning();

    QString m_lockPath;
    QString m_serverName;
    std::unique_ptr<QLockFile> m_lock;
    QLocalServer *m_server = nullptr;
};
