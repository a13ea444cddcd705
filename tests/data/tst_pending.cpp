#include "data/Pending.h"

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
    void indicator_onlyUsedSlotsCount();
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
    MonthFile::Jobs jobs{};
    jobs[0] = job(Today - 1, end, check);
    QCOMPARE(int(Pending::classify({{&jobs, 1}}, Today)), glyph);
}

void TestPending::indicator_smallestDaysLeftWins()
{
    MonthFile::Jobs current{};
    MonthFile::Jobs previous{};
    current[0] = job(Today, Today + 5, 0);
    previous[0] = job(Today - 20, Today + 1, 2); // a job of last month counts as well
    QCOMPARE(Pending::classify({{&current, 1}, {&previous, 1}}, Today), Pending::Indicator::OneDay);
    QCOMPARE(Pending::classify({{&current, 1}, {&previous, 0}}, Today), Pending::Indicator::FourToSixDays);
}

void TestPending::indicator_onlyUsedSlotsCount()
{
    MonthFile::Jobs jobs{};
    jobs[0] = job(Today, Today + 10, 0);
    jobs[2] = job(Today, Today, 0); // beyond the counted run
    QCOMPARE(Pending::classify({{&jobs, 1}}, Today), Pending::Indicator::SevenOrMore);
}

QTEST_GUILESS_MAIN(TestPending)
#include "tst_pending.moc"
