#pragma once

#include "data/BackupRules.h"
#include "data/SafeFile.h"

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>

#include <atomic>
#include <functional>

// The earlier versions of the data files of one data folder. While a store lives, every save
// through SafeFile::write over one of its data files first keeps the file's old content as a
// version, by a hard link to the file being replaced where the file system allows (the rename
// leaves the old file to the link) and by a copy otherwise, then removes the versions its policy
// no longer keeps and, oldest first, what exceeds its size. A failed backup never stops the save.
class BackupStore final
{
public:
    using Now = std::function<QDateTime()>;

    BackupStore(const QString &dataFolder, Now now, const BackupRules::Policy &policy = {});
    ~BackupStore();
    BackupStore(const BackupStore &) = delete;
    BackupStore &operator=(const BackupStore &) = delete;

    // The user's settings in Wrenly.ini, group [Backup]; the defaults for what it does not hold.
    static BackupRules::Policy readPolicy(const QString &settingsPath);

    const QString &dataFolder() const { return m_folder; }
    QString folder() const; // <data folder>/backup
    QString pathOf(const BackupRules::Version &version) const;
    QString dataPathOf(const QString &relativePath) const;

    // Told about a backup that failed during a save, once until one succeeds again.
    void setFailureHandler(std::function<void(const QString &text)> handler);

    // Keeps the present content of the data file at `path` as a version now.
    SafeFile::Result keep(const QString &path);
    // Keeps the whole data folder as an archive; `kept` receives its path.
    SafeFile::Result keepFolder(QString *kept = nullptr);

    struct File
    {
        QString relativePath;
        BackupRules::Kind kind = BackupRules::Kind::None;
        QList<BackupRules::Version> versions; // newest first, with their sizes
    };
    // Every data file that has versions, by kind and name.
    QList<File> files() const;

    // Writes `version` back over its data file, after keeping the file's present content; when
    // that cannot be kept, nothing is written.
    SafeFile::Result restore(const BackupRules::Version &version);

    // While one lives, saves in this folder keep no versions: for writes that kept them first.
    class Pause
    {
    public:
        explicit Pause(BackupStore &store) : m_store(store) { ++m_store.m_paused; }
        ~Pause() { --m_store.m_paused; }
        Pause(const Pause &) = delete;
        Pause &operator=(const Pause &) = delete;

    private:
        BackupStore &m_store;
    };

private:
    static void keepBeforeReplace(const QString &path, const QString &target);

    QString relativeOf(const QString &path) const;
    SafeFile::Result makeVersion(const QString &relativePath, const QString &source);
    SafeFile::Result putVersion(const QString &source, const QString &destination) const;
    void report(const QString &relativePath, const SafeFile::Result &result);
    QList<BackupRules::Version> versionsOf(const QString &relativePath) const;
    QList<BackupRules::Version> allVersions() const;
    void prune(const QString &relativePath, const QDateTime &now);
    void pruneAll(const QDateTime &now);
    void remove(const QList<BackupRules::Version> &versions, const QList<int> &which);

    QString m_folder;
    QString m_canonicalFolder;
    Now m_now;
    BackupRules::Policy m_policy;
    std::function<void(const QString &)> m_onFailure;
    bool m_failureReported = false;
    std::atomic<int> m_paused{0};
    qint64 m_totalBytes = -1; // of the backup folder; unknown until the first full prune
    QDate m_lastFullPrune;
};
