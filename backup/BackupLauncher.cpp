#include "backup/BackupLauncher.h"

#include "backup/BackupHost.h"
#include "backup/BackupRestoreDialog.h"
#include "data/BackupStore.h"
#include "data/Session.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/Services.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QProgressDialog>
#include <QSettings>
#include <QThread>

using namespace Qt::StringLiterals;

namespace {

const QString ArchiveFolderKey = u"Backup/ArchiveFolder"_s;
// Writing an archive is quick for a folder of ordinary size: no box flashes up for it.
constexpr int ProgressDelayMs = 300;

} // namespace

BackupLauncher::BackupLauncher(Session &session, Services &services, BackupHost &host, QObject *parent)
    : QObject(parent), m_session(session), m_services(services), m_host(host),
      m_store(std::make_unique<BackupStore>(
          session.exeDir(), [&clock = services.clock] { return clock.now(); },
          BackupStore::readPolicy(session.settingsPath())))
{
    m_run = [](QDialog &dialog) { return dialog.exec(); };
    // Saves run on the window's thread; a restore's writes on the worker keep no versions.
    m_store->setFailureHandler([this](const QString &text) {
        QMetaObject::invokeMethod(this, [this, text] { m_host.showHint(text); });
    });
}

BackupLauncher::~BackupLauncher()
{
    if (m_worker)
        m_worker->wait();
}

void BackupLauncher::addActionsTo(QMenu *menu, QAction *before)
{
    QWidget *owner = m_host.hostWindow();
    auto make = [owner, menu, before](QAction *&action, const QString &name, const QString &caption) {
        action = new QAction(caption, owner);
        action->setObjectName(name);
        menu->insertAction(before, action);
    };
    make(m_restoreBackupAction, u"restoreBackupAction"_s, u"バックアップから復元(&B)..."_s);
    make(m_archiveFolderAction, u"archiveFolderAction"_s, u"データフォルダをバックアップ(&A)..."_s);
    make(m_restoreFolderAction, u"restoreFolderAction"_s, u"データフォルダを復元..."_s);
    connect(m_restoreBackupAction, &QAction::triggered, this, &BackupLauncher::openRestore);
    connect(m_archiveFolderAction, &QAction::triggered, this, &BackupLauncher::archiveFolder);
    connect(m_restoreFolderAction, &QAction::triggered, this, &BackupLauncher::restoreFolder);
}

void BackupLauncher::openRestore()
{
    if (isBusy())
        return;
    BackupRestoreDialog dialog(m_session, m_services, *m_store, m_host.hostWindow());
    connect(&dialog, &BackupRestoreDialog::restored, this, [this] { m_host.reloadAfterRestore(); });
    m_run(dialog);
}

void BackupLauncher::archiveFolder()
{
    if (isBusy())
        return;
    const QString suggested =
        lastArchiveFolder() + u"/Wrenly-"_s + m_services.clock.now().toString(u"yyyyMMdd"_s) + u".tar.gz"_s;
    const QString file =
        m_services.dialogs.saveFileName(m_host.hostWindow(), u"データフォルダをバックアップ"_s, suggested,
                                        u"tar.gz アーカイブ (*.tar.gz *.tgz)"_s);
    if (file.isEmpty())
        return;
    rememberArchiveFolder(file);
    const QString folder = m_session.exeDir();
    runInWorker(
        u"データフォルダをバックアップしています..."_s,
        [folder, file](const FolderArchive::Progress &progress) {
            return FolderArchive::write(folder, file, progress);
        },
        [this, file](const SafeFile::Result &r) {
            if (r)
                m_services.dialogs.inform(m_host.hostWindow(),
                                          u"データフォルダを次のファイルにバックアップしました."_s +
                                              u"\r\n\r\n"_s + QDir::toNativeSeparators(file));
            else
                m_services.dialogs.fileError(m_host.hostWindow(), FileOperation::Create, file, r.error,
                                             u"バックアップのファイル"_s);
        });
}

void BackupLauncher::restoreFolder()
{
    if (isBusy())
        return;
    QWidget *window = m_host.hostWindow();
    const QString file =
        m_services.dialogs.openFileName(window, u"データフォルダを復元"_s, lastArchiveFolder(),
                                        u"アーカイブ (*.tar.gz *.tgz *.tar *.zip);;すべてのファイル (*)"_s);
    if (file.isEmpty())
        return;
    const QString question = u"データフォルダを次のアーカイブの内容に戻します."_s + u"\r\n\r\n"_s +
                             QDir::toNativeSeparators(file) + u"\r\n\r\n"_s +
                             u"アーカイブにあるファイルは置き換わり, ないファイルはそのまま残ります."_s +
                             u"\r\n"_s +
                             u"今のデータフォルダの内容は, 先に backup フォルダに残します. よろしいですか?"_s;
    if (m_services.dialogs.askYesNo(window, question) != Dialogs::Answer::Yes)
        return;
    rememberArchiveFolder(file);
    auto kept = std::make_shared<QString>();
    BackupStore *store = m_store.get();
    const QString folder = m_session.exeDir();
    runInWorker(
        u"データフォルダを復元しています..."_s,
        [store, folder, file, kept](const FolderArchive::Progress &progress) {
            const SafeFile::Result r = store->keepFolder(kept.get());
            if (!r)
                return SafeFile::Result::failure(
                    u"今のデータフォルダをバックアップできないため, 復元しませんでした. "_s + r.error);
            const BackupStore::Pause keptAlready(*store);
            return FolderArchive::restore(file, folder, progress);
        },
        [this, file, kept](const SafeFile::Result &r) {
            QWidget *owner = m_host.hostWindow();
            if (!kept->isEmpty())
                m_host.reloadAfterRestore();
            const QString before = kept->isEmpty()
                                       ? QString()
                                       : u"\r\n\r\n復元する前の内容は次のファイルに残してあります."_s +
                                             u"\r\n"_s + QDir::toNativeSeparators(*kept);
            if (r)
                m_services.dialogs.inform(owner, u"データフォルダを復元しました."_s + before);
            else
                m_services.dialogs.error(owner, u"データフォルダを復元できませんでした."_s + u"\r\n\r\n"_s +
                                                    QDir::toNativeSeparators(file) + u"\r\n("_s + r.error +
                                                    u")"_s + before);
        });
}

void BackupLauncher::runInWorker(const QString &label, Work work,
                                 std::function<void(const SafeFile::Result &)> done)
{
    auto *progress = new QProgressDialog(label, QString(), 0, 100, m_host.hostWindow());
    progress->setWindowTitle(u"Wrenly"_s);
    progress->setWindowModality(Qt::WindowModal);
    progress->setCancelButton(nullptr);
    progress->setMinimumDuration(ProgressDelayMs);
    progress->setAutoReset(false);
    progress->setValue(0);
    for (QAction *a : {m_restoreBackupAction, m_archiveFolderAction, m_restoreFolderAction}) {
        if (a)
            a->setEnabled(false);
    }
    auto result = std::make_shared<SafeFile::Result>();
    auto over = std::make_shared<bool>(false); // read and written on this thread only
    m_worker = QThread::create([work = std::move(work), result, progress, over] {
        *result = work([progress, over](int percent) {
            QMetaObject::invokeMethod(progress, [progress, over, percent] {
                if (!*over)
                    progress->setValue(percent);
            });
        });
    });
    m_worker->setParent(this); // gone with the launcher at the latest, should no event loop run again
    connect(m_worker, &QThread::finished, this, [this, progress, result, over, done = std::move(done)] {
        m_worker->deleteLater();
        m_worker = nullptr;
        // cancel() also stops the timer that would show the box later; not deleted at once, since
        // its setValue() may be running the events that brought us here.
        *over = true;
        progress->cancel();
        progress->deleteLater();
        for (QAction *a : {m_restoreBackupAction, m_archiveFolderAction, m_restoreFolderAction}) {
            if (a)
                a->setEnabled(true);
        }
        done(*result);
        emit folderWorkFinished(bool(*result));
    });
    m_worker->start();
}

QString BackupLauncher::lastArchiveFolder() const
{
    const QString folder =
        QSettings(m_session.settingsPath(), QSettings::IniFormat).value(ArchiveFolderKey).toString();
    return !folder.isEmpty() && QFileInfo(folder).isDir() ? folder : QDir::homePath();
}

void BackupLauncher::rememberArchiveFolder(const QString &file)
{
    QSettings(m_session.settingsPath(), QSettings::IniFormat)
        .setValue(ArchiveFolderKey, QFileInfo(file).path());
}
