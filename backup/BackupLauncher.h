#pragma once

#include "data/FolderArchive.h"
#include "data/SafeFile.h"

#include <QObject>
#include <QString>

#include <functional>
#include <memory>

class BackupHost;
class BackupRestoreDialog;
class BackupStore;
class QAction;
class QDialog;
class QMenu;
class QThread;
class Session;
struct Services;

// The backups of one run: owns the store that keeps a version of every data file a save replaces,
// and runs the three commands of the file menu: the restore window, the archive of the whole data
// folder and putting such an archive back. Archives are written and read on a worker thread
// behind a progress box, so the window never stops answering.
class BackupLauncher final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(BackupLauncher)
public:
    // Shows a dialog modally and returns its result; tests replace it so that no modal loop runs.
    using ModalRunner = std::function<int(QDialog &)>;

    BackupLauncher(Session &session, Services &services, BackupHost &host, QObject *parent = nullptr);
    ~BackupLauncher() override;

    BackupStore &store() { return *m_store; }
    // Adds "バックアップから復元", "データフォルダをバックアップ" and "データフォルダを復元" before
    // `before` (at the end without it).
    void addActionsTo(QMenu *menu, QAction *before = nullptr);

    void openRestore();
    void archiveFolder();
    void restoreFolder();
    // True while an archive is being written or read.
    bool isBusy() const { return m_worker != nullptr; }

    void setModalRunner(ModalRunner runner) { m_run = std::move(runner); }

signals:
    // An archive was written or put back (`ok`), or failed; the message has been shown.
    void folderWorkFinished(bool ok);

private:
    using Work = std::function<SafeFile::Result(const FolderArchive::Progress &)>;
    void runInWorker(const QString &label, Work work, std::function<void(const SafeFile::Result &)> done);
    QString lastArchiveFolder() const;
    void rememberArchiveFolder(const QString &file);

    Session &m_session;
    Services &m_services;
    BackupHost &m_host;
    std::unique_ptr<BackupStore> m_store;
    ModalRunner m_run;
    QThread *m_worker = nullptr;
    QAction *m_restoreBackupAction = nullptr;
    QAction *m_archiveFolderAction = nullptr;
    QAction *m_restoreFolderAction = nullptr;
};
