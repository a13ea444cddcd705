#include "data/Pending.h"
#include "support/TestFolder.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

JobRecord job(double start, double end, int check)
{
    JobRecord j;
    j.title = u"job"_s;
    j.startDate = start;
    j.endDate = end;
    j.check = check;
    return j;
}

constexpr double Today = 40000.0;

} // namespace

class TestPending : public QObject
{
    Q_OBJECT
private slots:
    void openToday_data();
    void openToday();
    void inProgress_onlyCheckTwo();
    void indicator_data();
    void indicator();
    void indicator_smallestDaysLeftWins();
    void jobsToday_data();
    void jobsToday();
};

void TestPending::openToday_data()
{
    QTest::addColumn<double>("start");
    QTest::addColumn<double>("end");
    QTest::addColumn<int>("check");
    QTest::addColumn<bool>("open");
    QTest::newRow("starts tomorrow") << Today + 1 << Today + 5 << 0 << true;
    QTest::newRow("starts the day after tomorrow") << Today + 2 << Today + 5 << 0 << false;
    QTest::newRow("ends today") << Today - 3 << Today << 0 << true;
    QTest::newRow("ended yesterday") << Today - 3 << Today - 1 << 0 << false;
    QTest::newRow("done") << Today << Today + 3 << 1 << false;
    QTest::newRow("in progress") << Today << Today + 3 << 2 << true;
    QTest::newRow("unknown check value") << Today << Today + 3 << 7 << true;
}

void TestPending::openToday()
{
    QFETCH(double, start);
    QFETCH(double, end);
    QFETCH(int, check);
    QFETCH(bool, open);
    QCOMPARE(Pending::isOpenToday(job(start, end, check), Today), open);
}

void TestPending::inProgress_onlyCheckTwo()
{
    QVERIFY(Pending::isInProgressToday(job(Today + 1, Today + 7, 2), Today));
    QVERIFY(!Pending::isInProgressToday(job(Today + 1, Today + 7, 0), Today));
    QVERIFY(!Pending::isInProgressToday(job(Today - 7, Today - 1, 2), Today));
}

void TestPending::indicator_data()
{
    QTest::addColumn<double>("end");
    QTest::addColumn<int>("check");
    QTest::addColumn<int>("glyph");
    QTest::newRow("none pending") << Today + 3 << 1 << 0;
    QTest::newRow("0 days") << Today << 0 << 1;
    QTest::newRow("1 day") << Today + 1 << 0 << 2;
    QTest::newRow("2 days") << Today + 2 << 2 << 3;
    QTest::newRow("3 days") << Today + 3 << 0 << 3;
    QTest::newRow("4 days") << Today + 4 << 0 << 4;
    QTest::newRow("6 days") << Today + 6 << 0 << 4;
    QTest::newRow("7 days") << Today + 7 << 0 << 5;
    QTest::newRow("fraction truncated") << Today + 6.9 << 0 << 4;
}

void TestPending::indicator()
{
    QFETCH(double, end);
    QFETCH(int, check);
    QFETCH(int, glyph);
    const JobRecord j = job(Today - 1, end, check);
    const QList<JobRecord> open = Pending::isOpenToday(j, Today) ? QList<JobRecord>{j} : QList<JobRecord>{};
    QCOMPARE(int(Pending::classify(open, Today)), glyph);
}

void TestPending::indicator_smallestDaysLeftWins()
{
    QCOMPARE(Pending::classify({job(Today, Today + 5, 0), job(Today - 20, Today + 1, 2)}, Today),
             Pending::Indicator::OneDay);
}

// Jobs are written as "<month><slot>:<start>,<end>,<check>" with days relative to today; the
// session is started on 2005-05-16 and reads the files it finds.
void TestPending::jobsToday_data()
{
    QTest::addColumn<QStringList>("jobs");
    QTest::addColumn<bool>("previousFile");
    QTest::addColumn<int>("rule");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<int>("indicator");
    const int open = int(Pending::Rule::OpenToday);
    const int inProgress = int(Pending::Rule::InProgressToday);
    QTest::newRow("newest first, current month before previous")
        << QStringList{u"C0:0,5,0"_s, u"C1:-1,3,2"_s, u"P0:-20,1,0"_s} << true << open
        << QStringList{u"C1"_s, u"C0"_s, u"P0"_s} << int(Pending::Indicator::OneDay);
    QTest::newRow("only used slots of the run count")
        << QStringList{u"C0:0,10,0"_s, u"C2:0,0,0"_s} << true << open << QStringList{u"C0"_s}
        << int(Pending::Indicator::SevenOrMore);
    QTest::newRow("a month without its file has none")
        << QStringList{u"P0:0,1,0"_s} << false << open << QStringList{}
        << int(Pending::Indicator::NonePending);
    QTest::newRow("in progress only")
        << QStringList{u"C0:0,3,0"_s, u"C1:0,3,2"_s, u"C2:0,3,1"_s} << true << inProgress
        << QStringList{u"C1"_s} << int(Pending::Indicator::TwoToThreeDays);
    QTest::newRow("none open") << QStringList{u"C0:-5,-1,0"_s} << true << open << QStringList{}
                               << int(Pending::Indicator::NonePending);
}

void TestPending::jobsToday()
{
    QFETCH(QStringList, jobs);
    QFETCH(bool, previousFile);
    QFETCH(int, rule);
    QFETCH(QStringList, expected);
    QFETCH(int, indicator);

    TestFolder folder;
    Session session(folder.path());
    session.startDay(QDate(2005, 5, 16));
    const double today = session.todaySerial();
    MonthFile::Jobs current{};
    MonthFile::Jobs previous{};
    for (const QString &line : jobs) {
        const QStringList parts = line.mid(3).split(u',');
        MonthFile::Jobs &month = line.startsWith(u'C') ? current : previous;
        month[size_t(line.mid(1, 1).toInt())] =
            job(today + parts[0].toInt(), today + parts[1].toInt(), parts[2].toInt());
    }
    folder.write(session.currentFileName(), MonthFile::toBytes(current));
    QVERIFY(session.load(MonthKind::Current));
    if (previousFile) {
        folder.write(session.previousFileName(), MonthFile::toBytes(previous));
        QVERIFY(session.load(MonthKind::Previous));
    }

    QStringList got;
    for (const Pending::JobRef &ref : Pending::jobsToday(session, Pending::Rule(rule)))
        got << (ref.month == MonthKind::Current ? u"C"_s : u"P"_s) + QString::number(ref.slot);
    QCOMPARE(got, expected);
    // The indicator looks at the open jobs whatever the rule of the row.
    QCOMPARE(int(Pending::indicatorFor(session)), indicator);
}

QTEST_GUILESS_MAIN(TestPending)
#include "tst_pending.moc"
