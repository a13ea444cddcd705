#include "data/ByteFields.h"
#include "data/DaySerial.h"
#include "data/JobRecord.h"
#include "data/SjisCodec.h"

#include <QTest>
#include <QtEndian>

#include <cstring>
#include <limits>

using namespace Qt::StringLiterals;

namespace {

// Builds the bytes of one record by hand from the published layout.
QByteArray recordBytes(qint32 dataNo, double entry, const QByteArray &title, double start, double end,
                       const QByteArray &comments, const QByteArray &customer, const QByteArray &jobNo,
                       const QByteArray &jobType, qint32 check)
{
    QByteArray r(456, '\0');
    auto putI32 = [&](int off, qint32 v) { qToLittleEndian(v, r.data() + off); };
    auto putF64 = [&](int off, double v) {
        quint64 u;
        std::memcpy(&u, &v, 8);
        qToLittleEndian(u, r.data() + off);
    };
    auto putStr = [&](int off, const QByteArray &s) {
        r[off] = char(s.size());
        r.replace(off + 1, s.size(), s);
    };
    putI32(0, dataNo);
    putF64(8, entry);
    putStr(16, title);
    putF64(80, start);
    putF64(88, end);
    putStr(96, comments);
    putStr(352, customer);
    putStr(384, jobNo);
    putStr(416, jobType);
    putI32(448, check);
    return r;
}

} // namespace

class TestMonthFile : public QObject
{
    Q_OBJECT
private slots:
    void record_matchesLayout();
    void record_readsFieldsAtOffsets();
    void record_textLongerThanCapacityIsCut_data();
    void record_textLongerThanCapacityIsCut();
    void month_roundTripIsByteExact();
    void month_shortImageLeavesRestEmpty();
    void count_data();
    void count();
    void fileNames_data();
    void fileNames();
    void daySerial_data();
    void daySerial();
    void daySerial_damagedValuesAreClamped();
};

void TestMonthFile::record_matchesLayout()
{
    JobRecord j;
    j.dataNo = 7;
    j.entryDate = 38488.0; // 2005-05-16
    j.title = u"見積書作成"_s;
    j.startDate = 38487.0;
    j.endDate = 38500.0;
    j.comments = u"一行目\r\n二行目"_s;
    j.customer = u"山田商店"_s;
    j.jobNo = u"A-123"_s;
    j.jobType = u"設計"_s;
    j.check = JobRecord::InProgress;
    const QByteArray expected = recordBytes(7, 38488.0, Sjis::encode(u"見積書作成"_s), 38487.0, 38500.0,
                                            Sjis::encode(u"一行目\r\n二行目"_s), Sjis::encode(u"山田商店"_s),
                                            "A-123", Sjis::encode(u"設計"_s), 2);
    QCOMPARE(j.toBytes(), expected);
    QCOMPARE(JobRecord::fromBytes(expected), j);
}

void TestMonthFile::record_readsFieldsAtOffsets()
{
    // Garbage after each string's length and in the filler words is ignored.
    QByteArray r = recordBytes(3, 1.5, "Title", 2.0, 3.0, "C", "Cu", "No", "Ty", 1);
    r.replace(4, 4, "\xde\xad\xbe\xef");
    r.replace(16 + 1 + 5, 10, "REMAINSXXX");
    r.replace(452, 4, "\x01\x02\x03\x04");
    const JobRecord j = JobRecord::fromBytes(r);
    QCOMPARE(j.dataNo, 3);
    QCOMPARE(j.entryDate, 1.5);
    QCOMPARE(j.title, u"Title"_s);
    QCOMPARE(j.startDate, 2.0);
    QCOMPARE(j.endDate, 3.0);
    QCOMPARE(j.comments, u"C"_s);
    QCOMPARE(j.customer, u"Cu"_s);
    QCOMPARE(j.jobNo, u"No"_s);
    QCOMPARE(j.jobType, u"Ty"_s);
    QCOMPARE(j.check, 1);
}

void TestMonthFile::record_textLongerThanCapacityIsCut_data()
{
    QTest::addColumn<int>("field"); // 0 title, 1 comments, 2 customer
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("storedBytes");
    QTest::newRow("title 63") << 0 << QString(63, u'a') << 63;
    QTest::newRow("title 70 -> 63") << 0 << QString(70, u'a') << 63;
    QTest::newRow("title kanji 32 chars -> 31 chars") << 0 << QString(32, QChar(0x65E5)) << 62;
    QTest::newRow("title odd cut keeps whole char") << 0 << u"a"_s + QString(40, QChar(0x65E5)) << 63;
    QTest::newRow("comments 300 -> 255") << 1 << QString(300, u'c') << 255;
    QTest::newRow("comments kanji never halved") << 1 << QString(200, QChar(0x65E5)) << 254;
    QTest::newRow("customer 40 -> 31") << 2 << QString(40, u'k') << 31;
}

void TestMonthFile::record_textLongerThanCapacityIsCut()
{
    QFETCH(int, field);
    QFETCH(QString, text);
    QFETCH(int, storedBytes);
    JobRecord j;
    static const int offsets[] = {16, 96, 352};
    (field == 0 ? j.title : field == 1 ? j.comments : j.customer) = text;
    const QByteArray bytes = j.toBytes();
    QCOMPARE(int(static_cast<unsigned char>(bytes[offsets[field]])), storedBytes);
    const QString back = field == 0   ? JobRecord::fromBytes(bytes).title
                         : field == 1 ? JobRecord::fromBytes(bytes).comments
                                      : JobRecord::fromBytes(bytes).customer;
    QVERIFY(text.startsWith(back));
    QVERIFY(!back.contains(QChar(0xFFFD)));
    // What the window keeps in memory is what the file gives back.
    QCOMPARE(j.fittedToFields(), JobRecord::fromBytes(bytes));
}

void TestMonthFile::month_roundTripIsByteExact()
{
    QByteArray image(27360, '\0');
    for (int i = 0; i < 3; ++i)
        image.replace(
            i * 456, 456,
            recordBytes(i + 1, 38400 + i, "T" + QByteArray::number(i), 38401, 38402, "", "", "", "", i));
    const MonthFile::Jobs jobs = MonthFile::fromBytes(image);
    QCOMPARE(MonthFile::countUsedRecords(jobs), 3);
    QCOMPARE(jobs[2].title, u"T2"_s);
    QCOMPARE(jobs[2].check, 2);
    const QByteArray back = MonthFile::toBytes(jobs);
    QCOMPARE(back.size(), 27360);
    QCOMPARE(back, image);
}

void TestMonthFile::month_shortImageLeavesRestEmpty()
{
    QByteArray image =
        recordBytes(1, 1, "A", 1, 1, "", "", "", "", 0) + recordBytes(2, 1, "B", 1, 1, "", "", "", "", 0);
    image.chop(100); // the second record is cut off in the middle
    const MonthFile::Jobs jobs = MonthFile::fromBytes(image);
    QCOMPARE(jobs[0].title, u"A"_s);
    QCOMPARE(jobs[1].title, u"B"_s); // its title lies before the cut
    QCOMPARE(jobs[1].check, 0);
    for (int i = 2; i < 60; ++i)
        QVERIFY(!jobs[size_t(i)].isUsed());
    QCOMPARE(MonthFile::countUsedRecords(jobs), 2);
}

void TestMonthFile::count_data()
{
    QTest::addColumn<QList<int>>("used");
    QTest::addColumn<int>("expected");
    QTest::newRow("empty") << QList<int>{} << 0;
    QTest::newRow("first empty, later used") << QList<int>{1, 2, 5} << 0;
    QTest::newRow("run of three and a stray") << QList<int>{0, 1, 2, 4} << 3;
    QList<int> all;
    for (int i = 0; i < 60; ++i)
        all << i;
    QTest::newRow("full") << all << 60;
}

void TestMonthFile::count()
{
    QFETCH(QList<int>, used);
    QFETCH(int, expected);
    MonthFile::Jobs jobs{};
    for (int i : used)
        jobs[size_t(i)].title = u"x"_s;
    QCOMPARE(MonthFile::countUsedRecords(jobs), expected);
}

void TestMonthFile::fileNames_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<QString>("name");
    QTest::newRow("May 2003") << 2003 << 5 << u"Y2003MAY.vxf"_s;
    QTest::newRow("January") << 2024 << 1 << u"Y2024JAN.vxf"_s;
    QTest::newRow("December") << 2023 << 12 << u"Y2023DEC.vxf"_s;
}

void TestMonthFile::fileNames()
{
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(QString, name);
    QCOMPARE(MonthFile::fileName(year, month), name);
}

void TestMonthFile::daySerial_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<double>("serial");
    QTest::newRow("epoch") << QDate(1899, 12, 30) << 0.0;
    QTest::newRow("2000-01-01") << QDate(2000, 1, 1) << 36526.0;
    QTest::newRow("unset date of step files") << QDate(2005, 1, 1) << 38353.0;
    QTest::newRow("leap day") << QDate(2024, 2, 29) << 45351.0;
}

void TestMonthFile::daySerial()
{
    QFETCH(QDate, date);
    QFETCH(double, serial);
    QCOMPARE(DaySerial::fromDate(date), serial);
    QCOMPARE(DaySerial::toDate(serial), date);
    QCOMPARE(DaySerial::toDate(serial + 0.75), date); // the time of day does not move the day
    QCOMPARE(DaySerial::wholeDays(serial + 0.75), int(serial));
}

void TestMonthFile::daySerial_damagedValuesAreClamped()
{
    QCOMPARE(DaySerial::toDate(1e300), QDate(9999, 12, 31));
    QCOMPARE(DaySerial::toDate(-1e300), QDate(100, 1, 1));
    QCOMPARE(DaySerial::toDate(std::numeric_limits<double>::quiet_NaN()), QDate(1899, 12, 30));
    QCOMPARE(DaySerial::wholeDays(std::numeric_limits<double>::infinity()), 2958465);
}

QTEST_GUILESS_MAIN(TestMonthFile)
#include "tst_monthfile.moc"
