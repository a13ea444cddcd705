#include "data/DailyPlanPaths.h"
#include "data/DayFile.h"
#include "data/DayPlan.h"
#include "data/ListBook.h"
#include "data/ListEntriesFile.h"
#include "data/PadFields.h"
#include "data/RoutineBook.h"
#include "data/RoutineFile.h"
#include "data/Session.h"
#include "data/SjisCodec.h"
#include "support/FileSizeLimit.h"
#include "support/TestFolder.h"

#include <QTest>
#include <QtEndian>

#include <csignal>
#include <cstring>
#include <sys/resource.h>

using namespace Qt::StringLiterals;

namespace {

// Byte writers for building expected images straight from the published layouts.
void putI32(QByteArray &b, int off, qint32 v)
{
    qToLittleEndian(v, b.data() + off);
}
void putF64(QByteArray &b, int off, double v)
{
    quint64 u;
    std::memcpy(&u, &v, 8);
    qToLittleEndian(u, b.data() + off);
}
void putStr(QByteArray &b, int off, const QByteArray &s)
{
    b[off] = char(s.size());
    b.replace(off + 1, s.size(), s);
}
QByteArray sj(const QString &s)
{
    return Sjis::encode(s);
}

// An unused bar and an empty pad record as the layout describes them.
void putUnusedBar(QByteArray &b, int off)
{
    putI32(b, off + 4, -1);
    putI32(b, off + 8, -1);
}
void putEmptyPad(QByteArray &b, int off)
{
    for (int f : {116, 120, 128, 132})
        putI32(b, off + f, -1);
}
QByteArray clearedDay()
{
    QByteArray b(10728, '\0');
    for (int k = 0; k < 24; ++k) {
        putUnusedBar(b, 264 + k * 16);
        putEmptyPad(b, 648 + k * 396);
    }
    return b;
}
QByteArray emptyRoutines()
{
    QByteArray b(3200, '\0');
    for (int k = 0; k < 8; ++k)
        for (int f : {112, 116, 124, 128})
            putI32(b, k * 400 + f, -1);
    return b;
}

// The planner's plan: panes at 4 and 351, a pad 80 high on a plan 2884 high.
const PlanPlacement placement{4, 351, 300, 2804};

// A pad in the left pane from `startRow` to `endRow`, kept with "一時保存" as slot 0.
void keepBar(DayPlan &d, int startRow, int endRow, qint32 color = 0)
{
    d.keepPad(0, {TimeAxis::rowToTime(startRow), TimeAxis::rowToTime(endRow), 4, 0, {}, {}, false, color});
}

// A day read from its file, to be saved back there.
void readDay(DayPlan &d, const QString &path)
{
    DayFile day;
    SafeFile::Snapshot snapshot;
    QVERIFY(DayPlan::read(path, &day, &snapshot));
    d.takeDay(day, snapshot);
    d.setCurrentFile(path);
}

} // namespace

class TestDailyPlanFiles : public QObject
{
    Q_OBJECT
private slots:
    void day_matchesLayout();
    void day_shortFileReadsOverClearedDay_data();
    void day_shortFileReadsOverClearedDay();
    void day_textsCutToCapacity_data();
    void day_textsCutToCapacity();
    void day_shownFileName_data();
    void day_shownFileName();
    void routine_matchesLayout();
    void padFields_lieAtTheirBase_data();
    void padFields_lieAtTheirBase();
    void lists_defaultsMatchLayout();
    void lists_matchLayoutAndSkipEmpty();
    void lastUsedBar_data();
    void lastUsedBar();
    void paths_data();
    void paths();
    void state_firstSaveSetsPathAndDate();
    void state_saveKeepsTailOfLongerFile();
    void state_saveThenLoadIsByteExact();
    void state_dayChangedByAnotherProgram_isNotOverwritten();
    void state_failedSaveLeavesFileAndImage();
    void state_readsExistingRoutineAndListFiles();
    void state_routinesSavedAnewWhenFileHasGone();
    void settingSaves_leaveWhatOthersChangedAlone_data();
    void settingSaves_leaveWhatOthersChangedAlone();
};

void TestDailyPlanFiles::day_matchesLayout()
{
    DayFile d = DayFile::fromBytes(clearedDay());
    d.setSourcePath(u"/home/u/AUBREL/Y200512/Y2005125.dtf"_s);
    d.createdOn = 38691.0;
    d.bars[2] = {u"R"_s, 300, 420, 0x0000FF};
    SchedulePadRecord &p = d.pads[2];
    p.padNo = 3;
    p.padLeft = 351;
    p.padTop = 301;
    p.keyword = u"会議"_s;
    p.content = u"週次の打ち合わせ"_s;
    p.completed = true;
    p.barColor = 0x0000FF;
    p.startHour = 8;
    p.startMinute = 30;
    p.startPM = false;
    p.endHour = 9;
    p.endMinute = 30;
    p.endPM = true;
    p.memo = u"資料\r\n持参"_s;
    d.diary = {u"今日の反省"_s, u"よく働いた"_s, u"明日"_s, u"休む"_s};

    QByteArray e = clearedDay();
    putStr(e, 0, "/home/u/AUBREL/Y200512/Y2005125.dtf");
    putF64(e, 256, 38691.0);
    const int bar = 264 + 2 * 16;
    putStr(e, bar, "R");
    putI32(e, bar + 4, 300);
    putI32(e, bar + 8, 420);
    putI32(e, bar + 12, 0x0000FF);
    const int pad = 648 + 2 * 396;
    putI32(e, pad, 3);
    putI32(e, pad + 4, 351);
    putI32(e, pad + 8, 301);
    putStr(e, pad + 12, sj(u"会議"_s));
    putStr(e, pad + 44, sj(u"週次の打ち合わせ"_s));
    e[pad + 108] = 1;
    putI32(e, pad + 112, 0x0000FF);
    putI32(e, pad + 116, 8);
    putI32(e, pad + 120, 30);
    e[pad + 124] = 0;
    putI32(e, pad + 128, 9);
    putI32(e, pad + 132, 30);
    e[pad + 136] = 1;
    putStr(e, pad + 137, sj(u"資料\r\n持参"_s));
    putStr(e, 10152, sj(u"今日の反省"_s));
    putStr(e, 10152 + 32, sj(u"よく働いた"_s));
    putStr(e, 10152 + 288, sj(u"明日"_s));
    putStr(e, 10152 + 320, sj(u"休む"_s));

    QCOMPARE(d.toBytes().size(), 10728);
    QCOMPARE(d.toBytes(), e);
    QCOMPARE(DayFile::fromBytes(e), d);
}

void TestDailyPlanFiles::day_shortFileReadsOverClearedDay_data()
{
    QTest::addColumn<int>("length");
    QTest::newRow("empty") << 0;
    QTest::newRow("path only") << 256;
    QTest::newRow("inside the bars") << 300;
    QTest::newRow("one byte short") << 10727;
}

void TestDailyPlanFiles::day_shortFileReadsOverClearedDay()
{
    QFETCH(int, length);
    // A full day whose every bar and pad is in use, cut to `length`.
    QByteArray full = clearedDay();
    putStr(full, 0, "old.dtf");
    for (int k = 0; k < 24; ++k) {
        putStr(full, 264 + k * 16, "L");
        putI32(full, 264 + k * 16 + 4, 10 * k);
        putI32(full, 264 + k * 16 + 8, 10 * k + 5);
        putI32(full, 648 + k * 396, k + 1);
        putI32(full, 648 + k * 396 + 116, 7);
    }
    putStr(full, 10152, "T");
    const QByteArray part = full.left(length);

    TestFolder dir;
    dir.write(u"d.dtf"_s, full);
    DayPlan s(placement);
    readDay(s, dir.file(u"d.dtf"_s));
    dir.write(u"d.dtf"_s, part);
    readDay(s, dir.file(u"d.dtf"_s));

    QByteArray expected = clearedDay();
    expected.replace(0, length, part);
    QCOMPARE(s.image().toBytes(), expected);
    QCOMPARE(s.bars(), s.image().bars);
    QCOMPARE(s.diary(), s.image().diary);
}

void TestDailyPlanFiles::day_textsCutToCapacity_data()
{
    QTest::addColumn<int>("offset"); // of the field in the pad record
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("stored");
    QTest::newRow("keyword 31") << 12 << QString(31, u'k') << 31;
    QTest::newRow("keyword 40 -> 31") << 12 << QString(40, u'k') << 31;
    QTest::newRow("keyword kanji never halved") << 12 << QString(20, QChar(0x65E5)) << 30;
    QTest::newRow("content 64 -> 63") << 44 << QString(64, u'c') << 63;
    QTest::newRow("memo 300 -> 255") << 137 << QString(300, u'm') << 255;
}

void TestDailyPlanFiles::day_textsCutToCapacity()
{
    QFETCH(int, offset);
    QFETCH(QString, text);
    QFETCH(int, stored);
    DayFile d;
    SchedulePadRecord &p = d.pads[0];
    (offset == 12 ? p.keyword : offset == 44 ? p.content : p.memo) = text;
    const QByteArray bytes = d.toBytes();
    QCOMPARE(int(quint8(bytes[648 + offset])), stored);
    const SchedulePadRecord back = DayFile::fromBytes(bytes).pads[0];
    const QString got = offset == 12 ? back.keyword : offset == 44 ? back.content : back.memo;
    QVERIFY(text.startsWith(got));
    QCOMPARE(Sjis::encode(got).size(), stored);
}

void TestDailyPlanFiles::day_shownFileName_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QString>("shown");
    QTest::newRow("this system") << QByteArray("/opt/w/AUBREL/Y200512/Y2005125.dtf") << u"Y2005125.dtf"_s;
    QTest::newRow("windows") << QByteArray("C:\\W\\AUBREL\\Y200512\\Y20051220.dtf") << u"Y20051220.dtf"_s;
    QTest::newRow("mixed") << QByteArray("C:\\W/AUBREL\\x.dtf") << u"x.dtf"_s;
    QTest::newRow("bare") << QByteArray("a.dtf") << u"a.dtf"_s;
    QTest::newRow("none") << QByteArray() << QString();
}

void TestDailyPlanFiles::day_shownFileName()
{
    QFETCH(QByteArray, stored);
    QFETCH(QString, shown);
    DayFile d;
    d.sourcePath = stored;
    QCOMPARE(d.shownFileName(), shown);
    QCOMPARE(d.nameToShow(u"/x/AUBREL/Y200512/Y2005125.dtf"_s), shown.isEmpty() ? u"Y2005125.dtf"_s : shown);

    // A path cut at its 255 bytes may end inside a folder: the file's own name is shown instead.
    d.setSourcePath(u"/"_s + QString(300, u'd') + u"/Y2005125.dtf"_s);
    QCOMPARE(d.nameToShow(u"/x/Y2005126.dtf"_s), u"Y2005126.dtf"_s);
}

void TestDailyPlanFiles::routine_matchesLayout()
{
    RoutineFile::Routines r{};
    RoutineRecord &x = r[1];
    x.padNo = 2;
    x.padLeft = 351;
    x.padTop = 241;
    x.keyword = u"朝礼"_s;
    x.content = u"全体"_s;
    x.barColor = 0x00FF00;
    x.startHour = 8;
    x.startMinute = 0;
    x.startPM = false;
    x.endHour = 0;
    x.endMinute = 15;
    x.endPM = true;
    x.memo = u"m"_s;
    x.showFlag = true;
    x.weekdays = {false, true, true, true, true, true, false};

    QByteArray e = emptyRoutines();
    const int o = 400;
    putI32(e, o, 2);
    putI32(e, o + 4, 351);
    putI32(e, o + 8, 241);
    putStr(e, o + 12, sj(u"朝礼"_s));
    putStr(e, o + 44, sj(u"全体"_s));
    putI32(e, o + 108, 0x00FF00);
    putI32(e, o + 112, 8);
    putI32(e, o + 116, 0);
    putI32(e, o + 124, 0);
    putI32(e, o + 128, 15);
    e[o + 132] = 1;
    putStr(e, o + 133, "m");
    e[o + 389] = 1;
    for (int d = 1; d <= 5; ++d)
        e[o + 390 + d] = 1;

    QCOMPARE(RoutineFile::toBytes(RoutineFile::Routines{}), emptyRoutines());
    QCOMPARE(RoutineFile::toBytes(r), e);
    QCOMPARE(RoutineFile::fromBytes(e), r);
    // Short: the missing records are empty.
    QCOMPARE(RoutineFile::fromBytes(e.left(520))[1].padNo, 2);
    QCOMPARE(RoutineFile::fromBytes(e.left(520))[1].weekdays[1], false);
    QCOMPARE(RoutineFile::fromBytes(e.left(520))[1].startHour, 8);
    QCOMPARE(RoutineFile::fromBytes(e.left(520))[1].endHour, -1);
}

void TestDailyPlanFiles::padFields_lieAtTheirBase_data()
{
    QTest::addColumn<int>("head");
    QTest::addColumn<int>("tail");
    QTest::newRow("day pad") << 0 << 112;
    QTest::newRow("routine") << 0 << 108;
    QTest::newRow("second routine") << 400 << 508;
}

// The fields go where the base puts them and nowhere else, and come back the same.
void TestDailyPlanFiles::padFields_lieAtTheirBase()
{
    QFETCH(int, head);
    QFETCH(int, tail);
    PadFields f;
    f.padNo = 3;
    f.padLeft = 351;
    f.padTop = 42;
    f.keyword = u"会議"_s;
    f.content = u"説明"_s;
    f.barColor = 0x00FF8000;
    f.setStart({9, 30, false});
    f.setEnd({1, 5, true});
    f.memo = u"メモ"_s;
    QByteArray expected(1200, '\x7f');
    for (const auto &[off, v] : {std::pair{head, 3},
                                 {head + 4, 351},
                                 {head + 8, 42},
                                 {tail, 0x00FF8000},
                                 {tail + 4, 9},
                                 {tail + 8, 30},
                                 {tail + 16, 1},
                                 {tail + 20, 5}})
        putI32(expected, off, v);
    expected[tail + 12] = 0; // before noon; the PM flag already holds its value
    for (const auto &[off, text, size] :
         {std::tuple{head + 12, f.keyword, 32}, {head + 44, f.content, 64}, {tail + 25, f.memo, 256}}) {
        expected.replace(off, size, QByteArray(size, '\0'));
        putStr(expected, off, sj(text));
    }
    QByteArray image(1200, '\x7f');
    f.writeFields(image, {head, tail});
    QCOMPARE(image, expected);
    PadFields back;
    back.readFields(image, {head, tail});
    QCOMPARE(back, f);
}

void TestDailyPlanFiles::lists_defaultsMatchLayout()
{
    QByteArray e(3072, '\0');
    putStr(e, 0, sj(u"キーワード"_s));
    putStr(e, 768, sj(u"説明"_s));
    const QStringList t1 = {u"タイトル1"_s, u"今日一日をふり返って一言"_s, u"今日の反省"_s, u"日記"_s};
    const QStringList t2 = {u"タイトル2"_s, u"明日に向けて一言"_s, u"明日への意気込み"_s, u"日記"_s};
    for (int i = 0; i < 4; ++i) {
        putStr(e, 2304 + i * 32, sj(t1[i]));
        putStr(e, 2688 + i * 32, sj(t2[i]));
    }
    QCOMPARE(ListEntries::defaults().toBytes(), e);
    QCOMPARE(ListEntries::defaults().title2List(), t2);
}

void TestDailyPlanFiles::lists_matchLayoutAndSkipEmpty()
{
    QByteArray e(3072, '\0');
    putStr(e, 0 + 23 * 32, "last-kw");
    putStr(e, 768 + 1 * 64, "c1");
    putStr(e, 768 + 3 * 64, "c3");
    putStr(e, 2304 + 11 * 32, "t1");
    putStr(e, 2688 + 0 * 32, "t2");
    const ListEntries l = ListEntries::fromBytes(e);
    QCOMPARE(l.keywordList(), QStringList{u"last-kw"_s});
    QCOMPARE(l.contentList(), (QStringList{u"c1"_s, u"c3"_s}));
    QCOMPARE(l.title1List(), QStringList{u"t1"_s});
    QCOMPARE(l.title2List(), QStringList{u"t2"_s});
    QCOMPARE(l.toBytes(), e);
}

void TestDailyPlanFiles::lastUsedBar_data()
{
    QTest::addColumn<QList<int>>("used");
    QTest::addColumn<int>("expected");
    QTest::newRow("none") << QList<int>{} << 0;
    QTest::newRow("first") << QList<int>{0} << 1;
    QTest::newRow("0 and 5: not a count") << QList<int>{0, 5} << 6;
    QTest::newRow("only the last") << QList<int>{23} << 24;
}

void TestDailyPlanFiles::lastUsedBar()
{
    QFETCH(QList<int>, used);
    QFETCH(int, expected);
    ScheduleBars bars{};
    for (int i : used)
        bars[i] = {u"L"_s, 0, 10, 0};
    QCOMPARE(::lastUsedBar(bars), expected);
}

void TestDailyPlanFiles::paths_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("file");
    QTest::newRow("5 Dec 2005") << QDate(2005, 12, 5) << u"Y200512"_s << u"Y2005125.dtf"_s;
    QTest::newRow("20 Dec 2005") << QDate(2005, 12, 20) << u"Y200512"_s << u"Y20051220.dtf"_s;
    QTest::newRow("1 Nov 2005") << QDate(2005, 11, 1) << u"Y200511"_s << u"Y2005111.dtf"_s;
    QTest::newRow("11 Jan 2005") << QDate(2005, 1, 11) << u"Y200501"_s << u"Y20050111.dtf"_s;
}

void TestDailyPlanFiles::paths()
{
    QFETCH(QDate, date);
    QFETCH(QString, folder);
    QFETCH(QString, file);
    QCOMPARE(DailyPlanPaths::monthFolderName(date), folder);
    QCOMPARE(DailyPlanPaths::dayFile(u"/w"_s, date), u"/w/AUBREL/"_s + folder + u'/' + file);
    QCOMPARE(DailyPlanPaths::routineFile(u"/w"_s), u"/w/Routines.rdf"_s);
    QCOMPARE(DailyPlanPaths::listFile(u"/w"_s), u"/w/LEntries.lef"_s);
    QCOMPARE(DailyPlanPaths::temporaryFile(u"/w"_s), u"/w/Temporary.dtf"_s);
}

void TestDailyPlanFiles::state_firstSaveSetsPathAndDate()
{
    TestFolder dir;
    DayPlan s(placement);
    s.setCurrentFile(dir.file(u"Y2005125.dtf"_s));
    keepBar(s, 140, 300, 0xFF);
    bool created = false;
    QVERIFY(s.save(38691.0, &created));
    QVERIFY(created);
    QByteArray e = clearedDay();
    putStr(e, 0, QFile::encodeName(dir.file(u"Y2005125.dtf"_s)));
    putF64(e, 256, 38691.0);
    putStr(e, 264, "L");
    putI32(e, 268, 140);
    putI32(e, 272, 300);
    putI32(e, 276, 0xFF);
    for (const auto &[off, v] :
         {std::pair{0, 1}, {4, 4}, {8, 141}, {112, 0xFF}, {116, 7}, {120, 10}, {128, 8}, {132, 30}})
        putI32(e, 648 + off, v); // 7:10 to 8:30, the pad one row below the start
    QCOMPARE(dir.read(u"Y2005125.dtf"_s), e);
    QCOMPARE(s.padCount(), 1);

    // A later save keeps the path and date of the first.
    s.setDiary({u"x"_s, {}, {}, {}});
    QVERIFY(s.save(40000.0, &created));
    QVERIFY(!created);
    QCOMPARE(DayFile::fromBytes(dir.read(u"Y2005125.dtf"_s)).createdOn, 38691.0);
    QCOMPARE(DayFile::fromBytes(dir.read(u"Y2005125.dtf"_s)).diary.title1, u"x"_s);
}

void TestDailyPlanFiles::state_saveKeepsTailOfLongerFile()
{
    TestFolder dir;
    const QByteArray old = clearedDay() + QByteArray(12000 - 10728, 'z');
    dir.write(u"d.dtf"_s, old);
    DayPlan s(placement);
    readDay(s, dir.file(u"d.dtf"_s));
    keepBar(s, 0, 10);
    QVERIFY(s.save(1.0));
    const QByteArray now = dir.read(u"d.dtf"_s);
    QCOMPARE(now.size(), 12000);
    QCOMPARE(DayFile::fromBytes(now).bars[0], s.bars()[0]);
    QCOMPARE(DayFile::fromBytes(now).createdOn, 0.0); // an existing file keeps its (empty) path and date
    QCOMPARE(now.mid(10728), old.mid(10728));
}

void TestDailyPlanFiles::state_saveThenLoadIsByteExact()
{
    TestFolder dir;
    QByteArray e = clearedDay();
    putStr(e, 0, "C:\\W\\AUBREL\\Y200512\\Y2005125.dtf");
    putF64(e, 256, 38691.0);
    for (int k : {0, 3}) {
        putStr(e, 264 + k * 16, k ? "R" : "L");
        putI32(e, 264 + k * 16 + 4, 100 * k);
        putI32(e, 264 + k * 16 + 8, 100 * k + 60);
        putI32(e, 648 + k * 396, k + 1);
        putI32(e, 648 + k * 396 + 116, 6 + k);
        putStr(e, 648 + k * 396 + 12, sj(u"鍵"_s));
    }
    dir.write(u"d.dtf"_s, e);
    DayPlan s(placement);
    readDay(s, dir.file(u"d.dtf"_s));
    QVERIFY(s.save(99.0));
    QCOMPARE(dir.read(u"d.dtf"_s), e);
}

void TestDailyPlanFiles::state_dayChangedByAnotherProgram_isNotOverwritten()
{
    TestFolder dir;
    dir.write(u"d.dtf"_s, clearedDay());
    DayPlan s(placement);
    readDay(s, dir.file(u"d.dtf"_s));
    keepBar(s, 0, 10);
    QByteArray theirs = clearedDay();
    putF64(theirs, 256, 38000.0);
    dir.write(u"d.dtf"_s, theirs);

    const SafeFile::Result r = s.save(1.0);
    QVERIFY(r.changedOnDisk);
    QCOMPARE(dir.read(u"d.dtf"_s), theirs);
    QVERIFY(s.reread());
    QCOMPARE(s.image().createdOn, 38000.0);
    QCOMPARE(s.bars()[0].endRow, 10); // the pads on screen stay
    QVERIFY(s.save(1.0));
    QCOMPARE(DayFile::fromBytes(dir.read(u"d.dtf"_s)).bars[0].endRow, 10);

    // A day file that has gone is written anew.
    QFile::remove(dir.file(u"d.dtf"_s));
    QVERIFY(s.save(1.0));
}

void TestDailyPlanFiles::state_failedSaveLeavesFileAndImage()
{
    TestFolder dir;
    DayPlan s(placement);
    s.setCurrentFile(dir.file(u"new.dtf"_s));
    keepBar(s, 0, 10);
    {
        FileSizeLimit limit(100);
        QVERIFY(!s.save(5.0));
    }
    QVERIFY(!dir.exists(u"new.dtf"_s));
    QVERIFY(s.image().sourcePath.isEmpty()); // still "未作成"
    QCOMPARE(s.padCount(), 0);

    s.setCurrentFile(dir.file(u"missing/folder.dtf"_s));
    QVERIFY(!s.save(5.0));
}

void TestDailyPlanFiles::state_readsExistingRoutineAndListFiles()
{
    TestFolder dir;
    QByteArray r = emptyRoutines();
    putI32(r, 0, 1);
    putI32(r, 400, 2);
    dir.write(u"Routines.rdf"_s, r.left(700)); // short: the rest is empty
    QByteArray l(3072, '\0');
    putStr(l, 0, "kw");
    dir.write(u"LEntries.lef"_s, l);
    RoutineBook s(placement);
    ListBook lists;
    QVERIFY(s.loadOrCreate(dir.file(u"Routines.rdf"_s)));
    QVERIFY(lists.loadOrCreate(dir.file(u"LEntries.lef"_s)));
    QCOMPARE(s.count(), 2);
    QCOMPARE(s.saved(), s.routines());
    QCOMPARE(lists.entries().keywordList(), QStringList{u"kw"_s});
    QVERIFY(lists.entries().title1List().isEmpty());
    QCOMPARE(dir.read(u"Routines.rdf"_s).size(), 700); // reading never writes
}

void TestDailyPlanFiles::state_routinesSavedAnewWhenFileHasGone()
{
    TestFolder dir;
    RoutineBook s(placement);
    RoutineFile::Routines one{};
    one[0].padNo = 1;
    s.take(one);
    QVERIFY(s.save(dir.file(u"Routines.rdf"_s)));
    QByteArray expected = emptyRoutines();
    putI32(expected, 0, 1);
    QCOMPARE(dir.read(u"Routines.rdf"_s), expected); // the user asked to save: written anew
    // Another program's file is left alone until it has been read.
    dir.write(u"Routines.rdf"_s, QByteArray(3300, 'q'));
    QVERIFY(s.save(dir.file(u"Routines.rdf"_s)).changedOnDisk);
    QCOMPARE(dir.read(u"Routines.rdf"_s), QByteArray(3300, 'q'));
    QVERIFY(s.reread(dir.file(u"Routines.rdf"_s)));
    QVERIFY(s.save(dir.file(u"Routines.rdf"_s)));
    const QByteArray now = dir.read(u"Routines.rdf"_s);
    QCOMPARE(now.size(), 3300);
    QCOMPARE(RoutineFile::fromBytes(now)[0].padNo, 1);
    QCOMPARE(s.saved(), s.routines());
}

// Config.vxc, Routines.rdf and LEntries.lef, saved by one Wrenly after another saved them.
void TestDailyPlanFiles::settingSaves_leaveWhatOthersChangedAlone_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<char>("meanwhile"); // n: nothing, c: changed by another, r: removed
    for (const QString &name : {u"Config.vxc"_s, u"Routines.rdf"_s, u"LEntries.lef"_s}) {
        for (char meanwhile : {'n', 'c', 'r'})
            QTest::addRow("%s, %c", qPrintable(name), meanwhile) << name << meanwhile;
    }
}

void TestDailyPlanFiles::settingSaves_leaveWhatOthersChangedAlone()
{
    QFETCH(QString, name);
    QFETCH(char, meanwhile);
    TestFolder dir;
    const QString path = dir.file(name);
    Session session(dir.path());
    RoutineBook routines(placement);
    ListBook lists;
    QVERIFY(session.loadConfig() && routines.loadOrCreate(dir.file(u"Routines.rdf"_s)) &&
            lists.loadOrCreate(dir.file(u"LEntries.lef"_s)));
    // The other save changes the second customer line, or a byte near the end.
    QByteArray theirs = dir.read(name);
    const bool config = name == u"Config.vxc";
    if (config)
        theirs.replace(theirs.indexOf("\r\n") + 2, 6, sj(u"他社\r\n"_s));
    else
        theirs[theirs.size() - 2] = 'x';
    if (meanwhile == 'c')
        dir.write(name, theirs);
    else if (meanwhile == 'r')
        QFile::remove(path);

    session.config().customerList[0] = u"mine"_s;
    const SafeFile::Result r = config                    ? session.saveConfig()
                               : name == u"Routines.rdf" ? routines.save(path)
                                                         : lists.save(path, lists.entries());
    QCOMPARE(r.changedOnDisk, meanwhile == 'c');
    QCOMPARE(dir.read(name) == theirs, meanwhile == 'c');
    // The configuration takes their line and keeps the user's.
    QCOMPARE(session.config().customerList[1], config && meanwhile == 'c' ? u"他社"_s : QString());
}

QTEST_GUILESS_MAIN(TestDailyPlanFiles)
#include "tst_dailyplanfiles.moc"
