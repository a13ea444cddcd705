#include "data/SafeFile.h"
#include "data/Session.h"
#include "support/FileSizeLimit.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeRaw(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

} // namespace

class TestSafeFile : public QObject
{
    Q_OBJECT
private slots:
    void write_createsAndReplaces();
    void write_keepsTailOfLongerFile();
    void write_dropsTailWhenAsked();
    void write_failingPartWay_leavesOldFileIntact();
    void write_intoMissingFolder_fails();
    void read_missingFileFails();
    void write_withSnapshot_refusesWhatChangedOnDisk_data();
    void write_withSnapshot_refusesWhatChangedOnDisk();
    void write_keepsTailOnlyUpToRecordSize_data();
    void write_keepsTailOnlyUpToRecordSize();
    void write_throughSymlink_replacesTargetAndKeepsLink_data();
    void write_throughSymlink_replacesTargetAndKeepsLink();
    void removeLeftovers_onlyOwnUnheldTemporaries_data();
    void removeLeftovers_onlyOwnUnheldTemporaries();
    void nonRegularFile_failsWithoutBlocking_data();
    void nonRegularFile_failsWithoutBlocking();
    void read_stopsAtBound();
    void failures_giveJapaneseReasons_data();
    void failures_giveJapaneseReasons();
    void session_saveAndLoad();
    void session_shortFileLeavesRestEmpty();
    void session_startInJanuary_previousMonthIsDecemberOfLastYear();
};

void TestSafeFile::write_createsAndReplaces()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"a.bin"_s);
    QVERIFY(SafeFile::write(path, "first"));
    QCOMPARE(readAll(path), QByteArray("first"));
    QVERIFY(SafeFile::write(path, "second"));
    QCOMPARE(readAll(path), QByteArray("second"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1); // no temporary left
}

void TestSafeFile::write_keepsTailOfLongerFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"a.bin"_s);
    writeRaw(path, QByteArray(12000, 'o'));
    QVERIFY(SafeFile::write(path, QByteArray(10728, 'n')));
    const QByteArray after = readAll(path);
    QCOMPARE(after.size(), 12000);
    QCOMPARE(after.left(10728), QByteArray(10728, 'n'));
    QCOMPARE(after.mid(10728), QByteArray(12000 - 10728, 'o'));
}

void TestSafeFile::write_dropsTailWhenAsked()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"a.bin"_s);
    writeRaw(path, QByteArray(100, 'o'));
    QVERIFY(SafeFile::write(path, "new", SafeFile::Tail::Drop));
    QCOMPARE(readAll(path), QByteArray("new"));
}

void TestSafeFile::write_failingPartWay_leavesOldFileIntact()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"Y2005MAY.vxf"_s);
    const QByteArray old(27360, 'o');
    writeRaw(path, old);
    SafeFile::Result r;
    {
        FileSizeLimit limit(4096);
        r = SafeFile::write(path, QByteArray(27360, 'n'));
    }
    QVERIFY(!r.ok);
    QVERIFY(!r.error.isEmpty());
    QCOMPARE(readAll(path), old);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

void TestSafeFile::write_intoMissingFolder_fails()
{
    QTemporaryDir dir;
    const SafeFile::Result r = SafeFile::write(dir.filePath(u"no/such/x.bin"_s), "x");
    QVERIFY(!r.ok);
}

void TestSafeFile::read_missingFileFails()
{
    QByteArray bytes;
    QVERIFY(!SafeFile::read(u"/nonexistent/x"_s, &bytes).ok);
}

void TestSafeFile::write_withSnapshot_refusesWhatChangedOnDisk_data()
{
    QTest::addColumn<QByteArray>("before"); // empty: no file when read
    QTest::addColumn<QByteArray>("onDisk"); // empty: no file when written; "touched": as before, older
    QTest::addColumn<int>("headRead");      // bytes read before; -1: the whole file
    QTest::addColumn<bool>("refused");
    QTest::newRow("unchanged") << QByteArray("version 1") << QByteArray("version 1") << -1 << false;
    QTest::newRow("changed") << QByteArray("version 1") << QByteArray("version 2") << -1 << true;
    QTest::newRow("same length, last byte") << QByteArray("abc") << QByteArray("abd") << -1 << true;
    QTest::newRow("shorter now") << QByteArray("version 1") << QByteArray("vers") << -1 << true;
    QTest::newRow("vanished") << QByteArray("version 1") << QByteArray() << -1 << true;
    QTest::newRow("appeared") << QByteArray() << QByteArray("theirs") << -1 << true;
    QTest::newRow("still missing") << QByteArray() << QByteArray() << -1 << false;
    QTest::newRow("changed only after the head")
        << QByteArray("head+old") << QByteArray("head+new") << 5 << true;
    QTest::newRow("short file, record added") << QByteArray("rec1") << QByteArray("rec1rec2") << 8 << true;
    QTest::newRow("same bytes, other time") << QByteArray("version 1") << QByteArray("touched") << -1 << true;
}

void TestSafeFile::write_withSnapshot_refusesWhatChangedOnDisk()
{
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, onDisk);
    QFETCH(int, headRead);
    QFETCH(bool, refused);
    QTemporaryDir dir;
    const QString path = dir.filePath(u"Y2005MAY.vxf"_s);
    SafeFile::Snapshot snapshot;
    QByteArray read;
    writeRaw(path, before);
    QVERIFY(before.isEmpty() || SafeFile::read(path, &read, headRead < 0 ? 64 : headRead, &snapshot));
    const timespec older[2] = {{1, 0}, {1, 0}};
    if (onDisk == "touched")
        QVERIFY(::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), older, 0) == 0);
    else if (onDisk.isEmpty())
        QFile::remove(path);
    else if (onDisk != before)
        writeRaw(path, onDisk);
    onDisk.replace("touched", before);

    const SafeFile::Result r = SafeFile::write(path, "mine", SafeFile::Tail::Drop, &snapshot, &snapshot);
    QCOMPARE(r.ok, !refused);
    QCOMPARE(r.changedOnDisk, refused);
    QCOMPARE(r.error.isEmpty(), !refused);
    QCOMPARE(QFileInfo::exists(path), !refused || !onDisk.isEmpty());
    QCOMPARE(readAll(path), refused ? onDisk : QByteArray("mine"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), QFileInfo::exists(path) ? 1 : 0);
    // What was written is what the next save expects.
    QVERIFY(refused || SafeFile::write(path, "again", SafeFile::Tail::Drop, &snapshot));
}

// A tail longer than the record is refused, never copied: a sparse 1 GiB file costs nothing.
void TestSafeFile::write_keepsTailOnlyUpToRecordSize_data()
{
    QTest::addColumn<qint64>("fileSize"); // of the old file; the record written is 1000 bytes
    QTest::newRow("tail as long as the record") << qint64(2000);
    QTest::newRow("one byte more") << qint64(2001);
    QTest::newRow("1 GiB, sparse") << (qint64(1) << 30);
}

void TestSafeFile::write_keepsTailOnlyUpToRecordSize()
{
    QFETCH(qint64, fileSize);
    QTemporaryDir dir;
    QFile file(dir.filePath(u"Y2005MAY.vxf"_s));
    QVERIFY(file.open(QIODevice::ReadWrite) && file.write(QByteArray(1500, 'o')) && file.resize(fileSize));
    file.close();
    const SafeFile::Result r = SafeFile::write(file.fileName(), QByteArray(1000, 'n'));
    QVERIFY(r.ok == (fileSize == 2000) && (r.ok || r.error.contains(QString::number(fileSize))));
    QVERIFY(file.open(QIODevice::ReadOnly) && file.size() == fileSize);
    QCOMPARE(file.read(1500), QByteArray(1000, r.ok ? 'n' : 'o') + QByteArray(500, 'o'));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

void TestSafeFile::write_throughSymlink_replacesTargetAndKeepsLink_data()
{
    QTest::addColumn<QString>("linkText"); // as stored in the link at "data/a.bin"
    QTest::addColumn<QString>("target");   // relative to the test folder
    QTest::newRow("relative") << u"../store/a.bin"_s << u"store/a.bin"_s;
    QTest::newRow("absolute") << u"@/store/a.bin"_s << u"store/a.bin"_s;
    QTest::newRow("chain of two") << u"../store/link.bin"_s << u"store/a.bin"_s;
    QTest::newRow("dangling: target made") << u"../store/new.bin"_s << u"store/new.bin"_s;
}

void TestSafeFile::write_throughSymlink_replacesTargetAndKeepsLink()
{
    QFETCH(QString, linkText);
    QFETCH(QString, target);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkpath(u"data"_s) && QDir(dir.path()).mkpath(u"store"_s));
    writeRaw(dir.filePath(u"store/a.bin"_s), "old record|old tail");
    QVERIFY(QFile::link(u"a.bin"_s, dir.filePath(u"store/link.bin"_s)));
    linkText.replace(u'@', dir.path());
    const QString link = dir.filePath(u"data/a.bin"_s);
    QVERIFY(::symlink(QFile::encodeName(linkText).constData(), QFile::encodeName(link).constData()) == 0);

    QVERIFY(SafeFile::write(link, "new record|"));
    QVERIFY(QFileInfo(link).isSymLink());
    const QByteArray expected = target.endsWith(u"a.bin"_s) ? "new record|old tail" : "new record|";
    QCOMPARE(readAll(dir.filePath(target)), expected);
    QCOMPARE(readAll(link), expected);
    for (const QString &folder : {u"data"_s, u"store"_s}) {
        for (const QString &name :
             QDir(dir.filePath(folder)).entryList(QDir::Files | QDir::Hidden | QDir::System))
            QVERIFY2(!SafeFile::isTemporaryName(name), qPrintable(name));
    }
}

void TestSafeFile::removeLeftovers_onlyOwnUnheldTemporaries_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<char>("kind"); // f: file, h: file a save holds, l: link to a file, d: folder
    QTest::addColumn<int>("ageSeconds");
    QTest::addColumn<bool>("removed");
    QTest::newRow("own, older") << u".Y2005MAY.vxf.wrenly-Ab3dE9"_s << 'f' << 60 << true;
    QTest::newRow("own, dated later: clock set back")
        << u".Y2005MAY.vxf.wrenly-Ab3dE9"_s << 'f' << -600 << true;
    QTest::newRow("own, a save under way") << u".Y2005MAY.vxf.wrenly-Ab3dE9"_s << 'h' << 60 << false;
    QTest::newRow("own name of a link") << u".Config.vxc.wrenly-Ab3dE9"_s << 'l' << 60 << false;
    QTest::newRow("own name of a folder") << u".Config.vxc.wrenly-Ab3dE9"_s << 'd' << 60 << false;
    QTest::newRow("another program's") << u".Y2005MAY.vxf.Ab3dE9"_s << 'f' << 60 << false;
    QTest::newRow("data file") << u"Y2005MAY.vxf"_s << 'f' << 60 << false;
    QTest::newRow("not hidden") << u"Y2005MAY.vxf.wrenly-Ab3dE9"_s << 'f' << 60 << false;
    QTest::newRow("five letters") << u".Y2005MAY.vxf.wrenly-Ab3dE"_s << 'f' << 60 << false;
    QTest::newRow("not a letter") << u".Y2005MAY.vxf.wrenly-Ab3dE~"_s << 'f' << 60 << false;
    QTest::newRow("no name") << u"..wrenly-Ab3dE9"_s << 'f' << 60 << false;
}

void TestSafeFile::removeLeftovers_onlyOwnUnheldTemporaries()
{
    QFETCH(QString, name);
    QFETCH(char, kind);
    QFETCH(int, ageSeconds);
    QFETCH(bool, removed);
    QTemporaryDir dir;
    const QString path = dir.filePath(name);
    const QString other = dir.filePath(u"other"_s);
    writeRaw(other, "x");
    if (kind == 'f' || kind == 'h')
        writeRaw(path, "x");
    else if (kind == 'l')
        QVERIFY(QFile::link(other, path));
    else
        QVERIFY(QDir().mkdir(path));
    const timespec stamp{qint64(QDateTime::currentSecsSinceEpoch() - ageSeconds), 0};
    const timespec times[2] = {stamp, stamp};
    QVERIFY(::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, AT_SYMLINK_NOFOLLOW) == 0);
    const int held = kind == 'h' ? ::open(QFile::encodeName(path).constData(), O_RDONLY) : -1;
    QVERIFY(held < 0 || ::flock(held, LOCK_EX) == 0);

    QCOMPARE(SafeFile::removeLeftovers(dir.path()), removed ? 1 : 0);
    QCOMPARE(QFileInfo(path).exists() || QFileInfo(path).isSymLink(), !removed);
    QVERIFY(QFileInfo::exists(other));
    ::close(held);
}

void TestSafeFile::nonRegularFile_failsWithoutBlocking_data()
{
    QTest::addColumn<char>("kind"); // p: FIFO, d: folder, both as this month's file; else /dev/zero
    QTest::addColumn<QString>("reason");
    QTest::newRow("FIFO") << 'p' << u"名前付きパイプ"_s;
    QTest::newRow("folder") << 'd' << u"フォルダ"_s;
    QTest::newRow("device") << 'c' << u"デバイス"_s;
}

void TestSafeFile::nonRegularFile_failsWithoutBlocking()
{
    QFETCH(char, kind);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    const QString month = dir.filePath(u"Y2005MAY.vxf"_s);
    if (kind == 'p')
        QVERIFY(::mkfifo(QFile::encodeName(month).constData(), 0600) == 0);
    else if (kind == 'd')
        QVERIFY(QDir().mkdir(month));
    const QString path = kind == 'c' ? u"/dev/zero"_s : month;

    QByteArray bytes = "stale";
    const SafeFile::Result r = SafeFile::read(path, &bytes);
    QVERIFY(!r.ok);
    QVERIFY2(r.error.contains(reason), qPrintable(r.error));
    QVERIFY(bytes.isEmpty());
    if (kind == 'c')
        return; // never write to /dev, even to prove it is refused
    QVERIFY(!SafeFile::write(path, "x").ok);
    QVERIFY(!QFileInfo(path).isFile());
    Session s(dir.path());
    s.startDay(QDate(2005, 5, 16));
    QVERIFY(!s.load(MonthKind::Current).ok);
}

void TestSafeFile::read_stopsAtBound()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"huge"_s);
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly) && f.resize(SafeFile::DefaultMaxBytes * 4));
    f.close();
    QByteArray bytes;
    QVERIFY(SafeFile::read(path, &bytes));
    QCOMPARE(bytes.size(), SafeFile::DefaultMaxBytes);
    QVERIFY(SafeFile::read(path, &bytes, 10));
    QCOMPARE(bytes.size(), 10);
}

void TestSafeFile::failures_giveJapaneseReasons_data()
{
    QTest::addColumn<QString>("name"); // written in the test folder; "limit" under a file-size limit
    QTest::addColumn<QString>("reason");
    QTest::newRow("disk full") << u"limit"_s << u"ディスクの空き容量が足りません."_s;
    QTest::newRow("folder missing") << u"no/such/x.bin"_s << u"ファイルまたはフォルダが見つかりません."_s;
    QTest::newRow("is a folder") << u"folder"_s << u"ファイルではなくフォルダです."_s;
    QTest::newRow("other: system text kept")
        << u"plain/x.bin"_s
        << u"ファイルを扱えませんでした("_s + QString::fromLocal8Bit(std::strerror(ENOTDIR)) + u")."_s;
}

void TestSafeFile::failures_giveJapaneseReasons()
{
    QFETCH(QString, name);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(u"folder"_s));
    writeRaw(dir.filePath(u"plain"_s), "a file, not a folder");
    SafeFile::Result r;
    if (name == u"limit") {
        FileSizeLimit limit(100);
        r = SafeFile::write(dir.filePath(name), QByteArray(1000, 'n'));
    } else {
        r = SafeFile::write(dir.filePath(name), "x");
    }
    QVERIFY(!r.ok);
    QCOMPARE(r.error, reason);

    // The errors no test can provoke as root read as the user expects too.
    QCOMPARE(SafeFile::systemReason(EDQUOT), SafeFile::systemReason(ENOSPC));
    QCOMPARE(SafeFile::systemReason(EPERM), u"アクセスする権限がありません."_s);
    QCOMPARE(SafeFile::systemReason(EACCES), u"アクセスする権限がありません."_s);
    QCOMPARE(SafeFile::systemReason(EROFS), u"読み取り専用のディスクには書き込めません."_s);
}

void TestSafeFile::session_saveAndLoad()
{
    QTemporaryDir dir;
    Session s(dir.path());
    s.startDay(QDate(2005, 5, 16));
    QCOMPARE(s.currentFileName(), u"Y2005MAY.vxf"_s);
    QCOMPARE(s.previousFileName(), u"Y2005APR.vxf"_s);
    JobRecord one;
    one.title = u"一"_s;
    JobRecord two;
    two.title = u"二"_s;
    QVERIFY(s.storeRecord(MonthKind::Current, 0, one));
    QVERIFY(s.storeRecord(MonthKind::Current, 1, two));
    QCOMPARE(s.count(MonthKind::Current), 2);
    QCOMPARE(QFileInfo(dir.filePath(u"Y2005MAY.vxf"_s)).size(), 27360);

    Session t(dir.path());
    t.startDay(QDate(2005, 5, 20));
    QVERIFY(t.fileExists(MonthKind::Current));
    QVERIFY(!t.fileExists(MonthKind::Previous));
    QVERIFY(t.load(MonthKind::Current));
    QCOMPARE(t.count(MonthKind::Current), 2);
    QCOMPARE(t.jobs(MonthKind::Current)[1].title, u"二"_s);
}

void TestSafeFile::session_shortFileLeavesRestEmpty()
{
    QTemporaryDir dir;
    Session s(dir.path());
    s.startDay(QDate(2005, 5, 16));
    MonthFile::Jobs full{};
    full[5].title = u"left over"_s; // must not survive the next load
    writeRaw(dir.filePath(u"Y2005MAY.vxf"_s), MonthFile::toBytes(full));
    QVERIFY(s.load(MonthKind::Current));
    QVERIFY(s.job(MonthKind::Current, 5).isUsed());
    QByteArray shortFile(456, '\0');
    shortFile[16] = 1;
    shortFile[17] = 'A';
    writeRaw(dir.filePath(u"Y2005MAY.vxf"_s), shortFile);
    QVERIFY(s.load(MonthKind::Current));
    QCOMPARE(s.count(MonthKind::Current), 1);
    QVERIFY(!s.jobs(MonthKind::Current)[5].isUsed());
}

void TestSafeFile::session_startInJanuary_previousMonthIsDecemberOfLastYear()
{
    Session s(u"/opt/w/"_s);
    s.startDay(QDate(2024, 1, 1));
    QCOMPARE(s.exeDir(), u"/opt/w"_s);
    QCOMPARE(s.currentFileName(), u"Y2024JAN.vxf"_s);
    QCOMPARE(s.previousFileName(), u"Y2023DEC.vxf"_s);
    QCOMPARE(s.prevMonth(), 12);
    QCOMPARE(s.prevMonthYear(), 2023);
    QCOMPARE(s.pathOf(u"Config.vxc"_s), u"/opt/w/Config.vxc"_s);
}

QTEST_GUILESS_MAIN(TestSafeFile)
#include "tst_safefile.moc"
