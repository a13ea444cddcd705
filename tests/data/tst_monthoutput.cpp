#include "data/DaySerial.h"
#include "data/PastMonths.h"
#include "data/RecordText.h"
#include "data/Session.h"
#include "support/TestFolder.h"

#include <QDir>
#include <QTest>

#include <limits>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(JobRecord)
Q_DECLARE_METATYPE(RecordText::Form)
Q_DECLARE_METATYPE(PastMonths::MonthOfName)

namespace {

using Form = RecordText::Form;

JobRecord record(const QString &title, const QString &comments = {}, const QString &customer = {},
                 const QString &jobNo = {}, const QString &jobType = {})
{
    JobRecord j;
    j.dataNo = 99; // a damaged number: the slot tells the record's number
    j.entryDate = DaySerial::fromDate(QDate(2024, 3, 1));
    j.title = title;
    j.startDate = DaySerial::fromDate(QDate(2024, 3, 5)) + 0.75; // the time of day is not printed
    j.endDate = DaySerial::fromDate(QDate(2024, 4, 12));
    j.comments = comments;
    j.customer = customer;
    j.jobNo = jobNo;
    j.jobType = jobType;
    j.check = 2;
    return j;
}

QStringList head(int dataNo, const QString &title)
{
    return {u"データNo.: "_s + QString::number(dataNo), u"入力日/更新日: 2024/03/01"_s,
            u"タイトル: "_s + title, u"開始日: 2024/03/05"_s, u"終了日: 2024/04/12"_s};
}

} // namespace

class TestMonthOutput : public QObject
{
    Q_OBJECT
private slots:
    void recordText_data();
    void recordText();
    void monthLines_newestFirst();
    void fileBytes_areCp932WithCrLf();
    void textFileName_data();
    void textFileName();
    void pastList_data();
    void pastList();
    void monthOf_data();
    void monthOf();
    void loadPast_shorterFileShowsNothingOfTheOneBefore();
    void fileBytes_keepTheStoredBytesOfEachText_data();
    void fileBytes_keepTheStoredBytesOfEachText();
};

void TestMonthOutput::recordText_data()
{
    QTest::addColumn<JobRecord>("job");
    QTest::addColumn<Form>("form");
    QTest::addColumn<QStringList>("lines");
    const JobRecord filled = record(u"設計"_s, u"図面"_s, u"山田商店"_s, u"A-12"_s, u"製図"_s);
    const JobRecord empty = record(QString());
    const QString stars40(40, u'*');
    const QString stars25(25, u'*');
    const QStringList filledTail = {u"内容: 図面"_s, u"顧客: 山田商店"_s};
    const QStringList emptyTail = {u"内容: 空白"_s, u"顧客: 空白"_s};
    QTest::newRow("filled, viewer") << filled << Form::Viewer
                                    << head(3, u"設計"_s) + filledTail +
                                           QStringList{u"Job No.: A-12"_s,
                                                       u"仕事の種類: 製図"_s,
                                                       u"チェック(0:未完/1:完了/2:遂行中): 2"_s,
                                                       stars40,
                                                       {}};
    QTest::newRow("filled, file") << filled << Form::File
                                  << head(3, u"設計"_s) + filledTail +
                                         QStringList{u"Job No. :A-12"_s,
                                                     u"仕事の種類: 製図"_s,
                                                     u"チェック(0:未完/1:完了/2:遂行中): 2"_s,
                                                     stars25,
                                                     {}};
    QTest::newRow("empty fields, viewer") << empty << Form::Viewer
                                          << head(3, u"空白"_s) + emptyTail +
                                                 QStringList{u"Job No.: 空白"_s,
                                                             u"仕事の種類: 空白"_s,
                                                             u"チェック(0:未完/1:完了/2:遂行中): 2"_s,
                                                             stars40,
                                                             {}};
    QTest::newRow("empty fields, file") << empty << Form::File
                                        << head(3, u"空白"_s) + emptyTail +
                                               QStringList{u"Job No. :空白"_s,
                                                           u"仕事の種類: 空白"_s,
                                                           u"チェック(0:未完/1:完了/2:遂行中): 2"_s,
                                                           stars25,
                                                           {}};
    const QStringList twoLines =
        head(3, u"設計"_s) + QStringList{u"内容: 一行目"_s, u"二行目"_s, u"顧客: 空白"_s};
    QTest::newRow("two-line comment") << record(u"設計"_s, u"一行目\r\n二行目"_s) << Form::Viewer << twoLines;
    QTest::newRow("lone LF breaks the line too")
        << record(u"設計"_s, u"一行目\n二行目"_s) << Form::File << twoLines;
    JobRecord damaged = filled; // dates without a day read as unset, not as days of 1899
    damaged.startDate = std::numeric_limits<double>::quiet_NaN();
    damaged.endDate = std::numeric_limits<double>::infinity();
    QTest::newRow("dates without a day")
        << damaged << Form::Viewer
        << head(3, u"設計"_s).mid(0, 3) + QStringList{u"開始日: 未設定"_s, u"終了日: 未設定"_s};
}

void TestMonthOutput::recordText()
{
    QFETCH(JobRecord, job);
    QFETCH(Form, form);
    QFETCH(QStringList, lines);
    const QStringList got = RecordText::lines(job, 3, form);
    QCOMPARE(got.mid(0, lines.size()), lines);
}

void TestMonthOutput::monthLines_newestFirst()
{
    MonthFile::Jobs jobs{};
    for (int slot = 0; slot < 3; ++slot)
        jobs[size_t(slot)] = record(u"仕事"_s + QString::number(slot + 1));
    jobs[4] = record(u"空きの後"_s); // not counted

    const QStringList lines = RecordText::monthLines(jobs, 3, Form::Viewer);

    QCOMPARE(lines.size(), 3 * 12);
    for (int block = 0; block < 3; ++block) {
        const int n = 3 - block;
        QCOMPARE(lines[block * 12], u"データNo.: "_s + QString::number(n));
        QCOMPARE(lines[block * 12 + 2], u"タイトル: 仕事"_s + QString::number(n));
        QCOMPARE(lines[block * 12 + 10], QString(40, u'*'));
        QCOMPARE(lines[block * 12 + 11], QString());
    }
}

void TestMonthOutput::fileBytes_areCp932WithCrLf()
{
    MonthFile::Jobs jobs{};
    jobs[0] = record(u"設計"_s, u"一行目\n二行目"_s);

    const QByteArray bytes = RecordText::fileBytes(MonthFile::toBytes(jobs), 1);

    // "データNo.: 1" in code page 932.
    QVERIFY(bytes.startsWith(QByteArray(QByteArray::fromHex("8366815B835E") + "No.: 1\r\n")));
    QVERIFY(bytes.endsWith(QByteArray(QByteArray(25, '*') + "\r\n\r\n")));
    QCOMPARE(bytes.count("\r\n"), 13);
    QCOMPARE(bytes.count('\n'), 13);
    QVERIFY(RecordText::fileBytes(MonthFile::toBytes(jobs), 0).isEmpty());
}

void TestMonthOutput::textFileName_data()
{
    QTest::addColumn<QString>("monthFile");
    QTest::addColumn<QString>("textFile");
    QTest::newRow("month file") << u"Y2024MAR.vxf"_s << u"Y2024MAR.txt"_s;
    QTest::newRow("lower case") << u"y2003may.VXF"_s << u"y2003may.txt"_s;
    QTest::newRow("with a folder") << u"C:\\data\\Y2024MAR.vxf"_s << u"Y2024MAR.txt"_s;
    Session january(u"/tmp"_s);
    january.startDay(QDate(2024, 1, 20));
    QTest::newRow("previous month in January") << january.previousFileName() << u"Y2023DEC.txt"_s;
}

void TestMonthOutput::textFileName()
{
    QFETCH(QString, monthFile);
    QFETCH(QString, textFile);
    QCOMPARE(RecordText::textFileName(monthFile), textFile);
}

void TestMonthOutput::pastList_data()
{
    QTest::addColumn<QStringList>("created"); // in this order
    const QStringList files = {u"Y2023NOV.vxf"_s, u"Y2023DEC.vxf"_s, u"Y2024JAN.vxf"_s, u"y2022dec.vxf"_s,
                               u"Y2023MAR.VXF"_s, u"Yabcdjan.vxf"_s, u"Y2023AUG.vxf"_s};
    QTest::newRow("current and previous in the middle") << files;
    QStringList reversed = files;
    std::reverse(reversed.begin(), reversed.end());
    QTest::newRow("current and previous first") << reversed;
    QStringList rotated = files.mid(3) + files.mid(0, 3);
    QTest::newRow("current and previous last") << rotated;
}

void TestMonthOutput::pastList()
{
    QFETCH(QStringList, created);
    TestFolder folder;
    for (const QString &name : created)
        folder.write(name, QByteArray(10, '\0'));
    folder.write(u"notes.txt"_s, "x");
    QDir(folder.path()).mkdir(u"Y2021JAN.vxf"_s); // a folder is no month file

    // January 2024: this month Y2024JAN.vxf, the previous Y2023DEC.vxf.
    QCOMPARE(PastMonths::list(folder.path(), u"Y2024JAN.vxf"_s, u"Y2023DEC.vxf"_s),
             (QStringList{u"y2022dec.vxf"_s, u"Y2023MAR.VXF"_s, u"Y2023AUG.vxf"_s, u"Y2023NOV.vxf"_s,
                          u"Yabcdjan.vxf"_s}));
}

void TestMonthOutput::monthOf_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<PastMonths::MonthOfName>("month");
    QTest::newRow("upper case") << u"Y2003MAY.vxf"_s << PastMonths::MonthOfName{true, 2003, 5};
    QTest::newRow("lower case") << u"y2003may.vxf"_s << PastMonths::MonthOfName{true, 2003, 5};
    QTest::newRow("December") << u"Y1999Dec.vxf"_s << PastMonths::MonthOfName{true, 1999, 12};
    QTest::newRow("unknown month") << u"Y2003XYZ.vxf"_s << PastMonths::MonthOfName{true, 2003, 0};
    QTest::newRow("year not a number") << u"Yabcdmay.vxf"_s << PastMonths::MonthOfName{false, 0, 5};
    QTest::newRow("signed year") << u"Y-200MAY.vxf"_s << PastMonths::MonthOfName{false, 0, 5};
    QTest::newRow("short name") << u"Y20.vxf"_s << PastMonths::MonthOfName{false, 0, 0};
}

void TestMonthOutput::monthOf()
{
    QFETCH(QString, name);
    QFETCH(PastMonths::MonthOfName, month);
    QCOMPARE(PastMonths::monthOf(name), month);
}

void TestMonthOutput::loadPast_shorterFileShowsNothingOfTheOneBefore()
{
    TestFolder folder;
    MonthFile::Jobs full{};
    for (int slot = 0; slot < 5; ++slot)
        full[size_t(slot)] = record(u"古い"_s);
    folder.write(u"Y2003MAY.vxf"_s, MonthFile::toBytes(full));
    MonthFile::Jobs one{};
    one[0] = record(u"新しい"_s);
    folder.write(u"Y2003JUN.vxf"_s, MonthFile::toBytes(one).left(JobRecord::Size));
    Session session(folder.path());
    session.startDay(QDate(2005, 5, 16));

    QVERIFY(session.loadPast(u"Y2003MAY.vxf"_s));
    QVERIFY(session.loadPast(u"Y2003JUN.vxf"_s));
    QCOMPARE(session.count(MonthKind::Past), 1);
    QVERIFY(!session.job(MonthKind::Past, 1).isUsed());

    // A file that cannot be read leaves the past month as it was.
    QVERIFY(!session.loadPast(u"Y2003JUL.vxf"_s));
    QCOMPARE(session.fileName(MonthKind::Past), u"Y2003JUN.vxf"_s);
    QCOMPARE(session.job(MonthKind::Past, 0).title, u"新しい"_s);
}

void TestMonthOutput::fileBytes_keepTheStoredBytesOfEachText_data()
{
    QTest::addColumn<int>("offset"); // of the text field in the record
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QByteArray>("line"); // as the file writes it after its label; empty: as stored
    QTest::newRow("half character at the end") << 16 << QByteArray("memo\x88") << QByteArray();
    QTest::newRow("bytes CP932 lacks") << 352 << QByteArray("\x80\xA0\xFD\xFF") << QByteArray();
    QTest::newRow("NEC-selected IBM extension") << 384 << QByteArray("\xED\x40") << QByteArray();
    QTest::newRow("lone LF in comments") << 96 << QByteArray("a\x88\nb") << QByteArray("a\x88\r\nb");
}

void TestMonthOutput::fileBytes_keepTheStoredBytesOfEachText()
{
    QFETCH(int, offset);
    QFETCH(QByteArray, stored);
    QFETCH(QByteArray, line);
    QByteArray image = MonthFile::toBytes({record(u"t"_s)});
    image[offset] = char(stored.size());
    image.replace(offset + 1, stored.size(), stored);
    const QByteArray bytes = RecordText::fileBytes(image, 1);
    QVERIFY2(bytes.contains(QByteArray((line.isEmpty() ? stored : line) + "\r\n")) && !bytes.contains('?'),
             bytes.toHex(' ').constData());
}

QTEST_GUILESS_MAIN(TestMonthOutput)
#include "tst_monthoutput.moc"
