#include "data/TimeAxis.h"

#include <QTest>

using namespace Qt::StringLiterals;
using TimeAxis::ClockTime;

class TestTimeAxis : public QObject
{
    Q_OBJECT
private slots:
    void timeToRow_data();
    void timeToRow();
    void rowToTime_data();
    void rowToTime();
    void roundTripOnEveryMinute();
    void scaleMarks();
};

void TestTimeAxis::timeToRow_data()
{
    QTest::addColumn<int>("hour");
    QTest::addColumn<bool>("pm");
    QTest::addColumn<int>("minute");
    QTest::addColumn<int>("row");
    QTest::newRow("6:00 start of axis") << 6 << false << 0 << 0;
    QTest::newRow("7:00") << 7 << false << 0 << 120;
    QTest::newRow("11:59 am") << 11 << false << 59 << 718;
    QTest::newRow("noon") << 0 << true << 0 << 720;
    QTest::newRow("11:59 pm") << 11 << true << 59 << 2158;
    QTest::newRow("midnight") << 0 << false << 0 << 2160;
    QTest::newRow("5:59 next morning") << 5 << false << 59 << 2878;
    QTest::newRow("6:00 pm") << 6 << true << 0 << 1440;
    QTest::newRow("5:00 am is late on the axis") << 5 << false << 0 << 2760;
    QTest::newRow("hour 12 is not in the table") << 12 << true << 30 << 60;
    QTest::newRow("hour -1") << -1 << false << 10 << 20;
    QTest::newRow("minute 99 with 5 am") << 5 << false << 99 << 2958;
    QTest::newRow("6 pm with PM box: 6 am is only without") << 6 << true << 0 << 1440;
}

void TestTimeAxis::timeToRow()
{
    QFETCH(int, hour);
    QFETCH(bool, pm);
    QFETCH(int, minute);
    QFETCH(int, row);
    QCOMPARE(TimeAxis::timeToRow(hour, pm, minute), row);
}

void TestTimeAxis::rowToTime_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("hour");
    QTest::addColumn<int>("minute");
    QTest::addColumn<bool>("pm");
    QTest::newRow("0") << 0 << 6 << 0 << false;
    QTest::newRow("1 truncates") << 1 << 6 << 0 << false;
    QTest::newRow("120") << 120 << 7 << 0 << false;
    QTest::newRow("121 truncates") << 121 << 7 << 0 << false;
    QTest::newRow("139") << 139 << 7 << 9 << false;
    QTest::newRow("300") << 300 << 8 << 30 << false;
    QTest::newRow("719") << 719 << 11 << 59 << false;
    QTest::newRow("720") << 720 << 0 << 0 << true;
    QTest::newRow("2159") << 2159 << 11 << 59 << true;
    QTest::newRow("2160") << 2160 << 0 << 0 << false;
    QTest::newRow("2879") << 2879 << 5 << 59 << false;
    QTest::newRow("2880 is the last row") << 2880 << 5 << 59 << false;
    QTest::newRow("below the axis") << 2950 << 5 << 59 << false;
    QTest::newRow("above the axis") << -20 << 6 << 0 << false;
}

void TestTimeAxis::rowToTime()
{
    QFETCH(int, row);
    QFETCH(int, hour);
    QFETCH(int, minute);
    QFETCH(bool, pm);
    QCOMPARE(TimeAxis::rowToTime(row), (ClockTime{hour, minute, pm}));
}

void TestTimeAxis::roundTripOnEveryMinute()
{
    for (int row = 0; row < TimeAxis::Rows; row += 2) {
        const ClockTime t = TimeAxis::rowToTime(row);
        QVERIFY(t.hour >= 0 && t.hour <= 11);
        QCOMPARE(TimeAxis::timeToRow(t.hour, t.pm, t.minute), row);
    }
}

void TestTimeAxis::scaleMarks()
{
    const QList<TimeAxis::ScaleMark> marks = TimeAxis::scaleMarks();
    QCOMPARE(marks.size(), 288);
    QStringList hours;
    for (const auto &m : marks) {
        if (!m.label.isEmpty())
            hours << m.label;
    }
    QCOMPARE(hours.join(u','), u"7,8,9,10,11,0,1,2,3,4,5,6,7,8,9,10,11,0,1,2,3,4,5,6"_s);
    struct Expect
    {
        int i, x0, x1, labelX;
        const char16_t *label;
    };
    // 5, 10, 30 minutes past 6 and 7:00, 10:00 and the last mark (6:00 next morning).
    const Expect cases[] = {{1, 8, 12, 0, u""},   {2, 6, 14, 0, u""},    {6, 3, 17, 0, u""},
                            {12, 0, 20, 7, u"7"}, {48, 0, 20, 4, u"10"}, {288, 0, 20, 7, u"6"}};
    for (const Expect &c : cases) {
        const auto &m = marks[c.i - 1];
        QCOMPARE(m.y, 10 * c.i);
        QCOMPARE(m.x0, c.x0);
        QCOMPARE(m.x1, c.x1);
        QCOMPARE(m.label, QString::fromUtf16(c.label));
        if (!m.label.isEmpty())
            QCOMPARE(m.labelX, c.labelX);
    }
    QCOMPARE(marks[71].textColor, (TimeAxis::Rgb{30, 144, 255}));
    QCOMPARE(marks[72].textColor, (TimeAxis::Rgb{255, 140, 0}));
    QCOMPARE(marks[216].textColor, (TimeAxis::Rgb{0, 0, 139}));
    QCOMPARE(TimeAxis::scaleCaptions().size(), 4);
    QCOMPARE(TimeAxis::scaleCaptions()[1].y, 725);
}

QTEST_GUILESS_MAIN(TestTimeAxis)
#include "tst_timeaxis.moc"
