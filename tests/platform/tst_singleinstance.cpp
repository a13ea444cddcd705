#include "platform/SingleInstance.h"

#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

class TestSingleInstance : public QObject
{
    Q_OBJECT
private slots:
    void secondStart_asksFirstToComeForward();
    void secondStart_otherFolderIsRefused_data();
    void secondStart_otherFolderIsRefused();
    void otherKeys_doNotMeet();
    void crashedFirst_doesNotBlockNextStart();
    void leftLock_isTakenWhateverItHolds_data();
    void leftLock_isTakenWhateverItHolds();
    void noLockPossible_startsAnywayAndSaysWhy_data();
    void noLockPossible_startsAnywayAndSaysWhy();
};

namespace {

// Starts a second Wrenly in a child process, as a real second start would, asking for the data
// folder `asked`; true when it stood down, the first one heard it (asked to come forward, or told
// of the other folder) and the second was told `told` as the folder open.
bool secondStartIsTurnedAway(SingleInstance &first, const QString &folder, const QString &asked = {},
                             const QString &told = {})
{
    QSignalSpy forward(&first, &SingleInstance::comeForwardRequested);
    QSignalSpy other(&first, &SingleInstance::otherFolderRequested);
    const pid_t child = ::fork();
    if (child == 0) {
        SingleInstance second(u"Wrenly"_s, folder);
        second.setDataFolder(asked);
        ::_exit(!second.claim() && second.runningFolder() == told ? 0 : 1);
    }
    const bool heard = QTest::qWaitFor([&] { return (told.isEmpty() ? forward : other).count() == 1; }, 5000);
    int status = 0;
    ::waitpid(child, &status, 0);
    return heard && WIFEXITED(status) && WEXITSTATUS(status) == 0 &&
           other.value(0).value(0).toString() == (told.isEmpty() ? QString() : asked);
}

} // namespace

void TestSingleInstance::secondStart_asksFirstToComeForward()
{
    QTemporaryDir dir;
    SingleInstance first(u"Wrenly"_s, dir.path());
    QVERIFY(first.claim());
    QSignalSpy forward(&first, &SingleInstance::comeForwardRequested);

    // The second start runs in a child process, as a real second start would.
    const pid_t child = ::fork();
    if (child == 0) {
        SingleInstance second(u"Wrenly"_s, dir.path());
        ::_exit(second.claim() ? 1 : 0);
    }
    QTRY_COMPARE_WITH_TIMEOUT(forward.count(), 1, 5000);
    int status = 0;
    ::waitpid(child, &status, 0);
    QVERIFY(WIFEXITED(status));
    QCOMPARE(WEXITSTATUS(status), 0); // the second one stood down
}

// Each row: the data folder of a later start, while /data/a is open, and whether it is turned away
// (told the open folder; the running one hears which was asked for).
void TestSingleInstance::secondStart_otherFolderIsRefused_data()
{
    QTest::addColumn<QString>("asked");
    QTest::addColumn<bool>("refused");
    QTest::newRow("same folder") << u"/data/a"_s << false;
    QTest::newRow("same folder, spelt otherwise") << u"/data//a/"_s << false;
    QTest::newRow("other folder") << u"/data/b 日本"_s << true;
}

void TestSingleInstance::secondStart_otherFolderIsRefused()
{
    QFETCH(QString, asked);
    QFETCH(bool, refused);
    QTemporaryDir dir;
    SingleInstance first(u"Wrenly"_s, dir.path());
    first.setDataFolder(u"/data/a"_s);
    QVERIFY(first.claim());
    QVERIFY(secondStartIsTurnedAway(first, dir.path(), asked, refused ? u"/data/a"_s : QString()));
}

void TestSingleInstance::otherKeys_doNotMeet()
{
    QTemporaryDir dir;
    SingleInstance a(u"Wrenly"_s, dir.path());
    SingleInstance b(u"Other"_s, dir.path());
    QVERIFY(a.claim());
    QVERIFY(b.claim());
}

void TestSingleInstance::crashedFirst_doesNotBlockNextStart()
{
    QTemporaryDir dir;
    const pid_t child = ::fork();
    if (child == 0) {
        // Claims and dies without cleaning up: lock file and socket stay behind.
        auto *crashed = new SingleInstance(u"Wrenly"_s, dir.path());
        ::_exit(crashed->claim() ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    QCOMPARE(WEXITSTATUS(status), 0);
    QVERIFY(!QDir(dir.path()).entryList(QDir::System | QDir::Files).isEmpty());

    SingleInstance next(u"Wrenly"_s, dir.path());
    QVERIFY(next.claim());
    QSignalSpy forward(&next, &SingleInstance::comeForwardRequested);
    const pid_t third = ::fork();
    if (third == 0) {
        SingleInstance again(u"Wrenly"_s, dir.path());
        ::_exit(again.claim() ? 1 : 0);
    }
    QTRY_COMPARE_WITH_TIMEOUT(forward.count(), 1, 5000);
    ::waitpid(third, &status, 0);
    QCOMPARE(WEXITSTATUS(status), 0);
}

void TestSingleInstance::leftLock_isTakenWhateverItHolds_data()
{
    QTest::addColumn<QString>("left"); // what lies where the lock file belongs
    QTest::newRow("empty file") << u"empty"_s;
    QTest::newRow("garbage") << u"garbage"_s;
    QTest::newRow("names a living process") << u"living"_s;
    QTest::newRow("FIFO: reading it would block") << u"fifo"_s;
    QTest::newRow("empty folder") << u"folder"_s;
    QTest::newRow("dangling link") << u"link"_s;
}

void TestSingleInstance::leftLock_isTakenWhateverItHolds()
{
    QFETCH(QString, left);
    QTemporaryDir dir;
    SingleInstance first(u"Wrenly"_s, dir.path());
    const QByteArray lock = QFile::encodeName(first.lockPath());
    if (left == u"fifo") {
        QVERIFY(::mkfifo(lock.constData(), 0600) == 0);
    } else if (left == u"folder") {
        QVERIFY(::mkdir(lock.constData(), 0700) == 0);
    } else if (left == u"link") {
        QVERIFY(::symlink("/nonexistent/wrenly.lock", lock.constData()) == 0);
    } else {
        QFile file(first.lockPath());
        QVERIFY(file.open(QIODevice::WriteOnly));
        if (left == u"garbage")
            file.write(QByteArray("\x00\xFF not a lock\n", 15).repeated(1000));
        else if (left == u"living") // as QLockFile writes it, naming this very test
            file.write(QByteArray::number(qint64(::getpid())) + "\nWrenly\n" +
                       QSysInfo::machineHostName().toUtf8());
    }

    QVERIFY(first.claim());
    QVERIFY2(first.problem().isEmpty(), qPrintable(first.problem()));
    QVERIFY(QFileInfo(first.lockPath()).isFile());
    QVERIFY(secondStartIsTurnedAway(first, dir.path()));
}

void TestSingleInstance::noLockPossible_startsAnywayAndSaysWhy_data()
{
    QTest::addColumn<bool>("folderExists");
    QTest::addColumn<QString>("reason");
    QTest::newRow("folder missing") << false << u"見つかりません"_s;
    QTest::newRow("lock path a folder with files") << true << u"フォルダ"_s;
}

void TestSingleInstance::noLockPossible_startsAnywayAndSaysWhy()
{
    QFETCH(bool, folderExists);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    SingleInstance instance(u"Wrenly"_s, folderExists ? dir.path() : dir.filePath(u"missing"_s));
    if (folderExists)
        QVERIFY(QDir().mkpath(instance.lockPath() + u"/kept"_s));
    QVERIFY(instance.claim());
    QVERIFY(instance.problem().contains(u"作れませんでした"_s));
    QVERIFY2(instance.problem().contains(reason), qPrintable(instance.problem()));
    QCOMPARE(QFileInfo::exists(instance.lockPath() + u"/kept"_s), folderExists); // nothing of theirs removed
}

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "tst_singleinstance.moc"
