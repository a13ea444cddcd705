#include "backup/BackupLauncher.h"
#include "support/MainWindowFixture.h"

#include <QDirIterator>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTreeWidget>

using namespace Qt::StringLiterals;

namespace {

const QString May = u"Y2005MAY.vxf"_s;

JobRecord job(int dataNo, const QString &title)
{
    return MainWindowFixture::job(dataNo, title, QDate(2005, 5, 2), QDate(2005, 5, 20));
}

// What the window shows of a month whose record 2 was changed since, and taking that record back.
void checkAndRestoreRecord(QDialog &dialog, FakeDialogs &dialogs)
{
    const QTreeWidgetItem *group = child<QTreeWidget>(dialog, "fileTree")->topLevelItem(0);
    QCOMPARE(group->text(0), u"月データ"_s);
    QCOMPARE(group->child(0)->text(0), May);
    const QTreeWidget *versions = child<QTreeWidget>(dialog, "versionTree");
    QCOMPARE(versions->topLevelItemCount(), 1);
    QCOMPARE(versions->topLevelItem(0)->text(2), u"2 件"_s);
    QCOMPARE(versions->topLevelItem(0)->text(3), u"変更: 2"_s);
    QTreeWidgetItem *second = child<QTreeWidget>(dialog, "recordTree")->topLevelItem(1);
    QCOMPARE(second->text(2), u"二"_s);
    second->setCheckState(0, Qt::Checked);
    dialogs.answers.push_back(Dialogs::Answer::Yes);
    child<QPushButton>(dialog, "restoreRecordsButton")->click();
}

} // namespace

class BackupLauncherTest : public QObject
{
    Q_OBJECT
private slots:
    void restoreWindow_takesRecordBackIntoMainWindow();
    void folderArchive_writtenAndPutBackFromTheMenu();
};

void BackupLauncherTest::restoreWindow_takesRecordBackIntoMainWindow()
{
    MainWindowFixture f;
    f.writeMonth(May, {job(1, u"一"_s), job(2, u"二"_s)});
    f.start();
    f.setTitle(u"二を直す"_s);
    f.trigger("updateAction");
    QCOMPARE(f.readMonth(May)[1].title, u"二を直す"_s);
    bool shown = false;
    f.window->backups().setModalRunner([&](QDialog &dialog) {
        shown = true;
        checkAndRestoreRecord(dialog, f.fakes.dialogs);
        return 0;
    });
    f.trigger("restoreBackupAction");
    QVERIFY(shown);
    QCOMPARE(f.readMonth(May)[1].title, u"二"_s);
    QCOMPARE(f.title(), u"二"_s); // read again, as at start-up
    QVERIFY(f.fakes.dialogs.lastText().startsWith(u"データを戻しました."_s));
    VERIFY_NO_UNEXPECTED_BOXES(f.fakes.dialogs);
}

void BackupLauncherTest::folderArchive_writtenAndPutBackFromTheMenu()
{
    MainWindowFixture f;
    f.writeMonth(May, {job(1, u"一"_s)});
    f.start();
    QTemporaryDir out;
    const QString archive = out.filePath(u"Wrenly.tar.gz"_s);
    QSignalSpy finished(&f.window->backups(), &BackupLauncher::folderWorkFinished);
    f.fakes.dialogs.fileNames.push_back(archive);
    f.trigger("archiveFolderAction");
    QVERIFY(finished.wait());
    QCOMPARE(finished.takeFirst().at(0).toBool(), true);

    f.writeMonth(May, {job(1, u"外で変えた"_s)});
    f.fakes.dialogs.fileNames.push_back(archive);
    f.fakes.dialogs.answers.push_back(Dialogs::Answer::Yes);
    f.trigger("restoreFolderAction");
    QVERIFY(finished.wait());
    QCOMPARE(finished.takeFirst().at(0).toBool(), true);
    QCOMPARE(f.readMonth(May)[0].title, u"一"_s);
    QCOMPARE(f.title(), u"一"_s);
    // The folder as it was before is kept among the backups.
    QDirIterator kept(f.folder.file(u"backup"_s), {u"WrenlyFolder.tar.gz.*"_s}, QDir::Files,
                      QDirIterator::Subdirectories);
    QVERIFY(kept.hasNext());
    VERIFY_NO_UNEXPECTED_BOXES(f.fakes.dialogs);
}

QTEST_MAIN(BackupLauncherTest)
#include "tst_backuplauncher.moc"
