#include "data/SafeFile.h"
#include "data/Session.h"
#include "support/FileSizeLimit.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

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
