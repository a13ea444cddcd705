#include "data/StepChart.h"
#include "support/StepBytes.h"

#include <QTest>

#include <cmath>

using namespace Qt::StringLiterals;
using StepChart::BarPixels;

namespace {

// December 2004, January 2005, February 2005.
StepMonths decJanFeb()
{
    return StepMonths{2005, 12, 31, 1, 31, 2, 28};
}

} // namespace

class TestStepChart : public QObject
{
    Q_OBJECT
private slots:
    void sizes_ninetyDays_panelWidths();
    void invalidWindow_hasNoDaysBarsOrColumns_data();
    void invalidWindow_hasNoDaysBarsOrColumns();
    void barSpanPixels_startInsideChartOnly_data();
    void barSpanPixels_startInsideChartOnly();
    void datesAtPixels_snapToColumnsInsideChart_data();
    void datesAtPixels_snapToColumnsInsideChart();
    void columns_dateAndWeekdayOfColumn_data();
    void columns_dateAndWeekdayOfColumn();
    void columns_markMonthEnds();
    void gridShade_tensBlackFivesAndMonthEndGrey_data();
    void gridShade_tensBlackFivesAndMonthEndGrey();
};

void TestStepChart::sizes_ninetyDays_panelWidths()
{
    const int d = decJanFeb().dayCount();
    QCOMPARE(d, 90);
    const StepChart::Sizes s = StepChart::sizes(d);
    QCOMPARE(s.strip, 1169);
    QCOMPARE(s.row, 1174);
    QCOMPARE(s.separator, 1171);
    QCOMPARE(s.frame, 1176);
    QCOMPARE(s.base, 1196);
    QCOMPARE(s.scrollRange, 1186);
}

void TestStepChart::invalidWindow_hasNoDaysBarsOrColumns_data()
{
    QTest::addColumn<StepMonths>("months");
    QTest::newRow("all zero") << StepMonths{};
    QTest::newRow("month 13") << StepMonths{2005, 12, 31, 13, 31, 2, 28};
    QTest::newRow("before is not the month before") << StepMonths{2005, 11, 30, 1, 31, 2, 28};
    QTest::newRow("29 days in february 2005") << StepMonths{2005, 12, 31, 1, 31, 2, 29};
}

void TestStepChart::invalidWindow_hasNoDaysBarsOrColumns()
{
    QFETCH(StepMonths, months);
    QVERIFY(!months.isValid());
    QCOMPARE(months.dayCount(), 0);
    QVERIFY(!StepChart::barSpanPixels(months, serial(2005, 1, 1), serial(2005, 1, 1)));
    QVERIFY(!StepChart::datesAtPixels(months, 0, 10));
    QVERIFY(StepChart::dayColumns(months).isEmpty());
}

void TestStepChart::barSpanPixels_startInsideChartOnly_data()
{
    QTest::addColumn<StepMonths>("months");
    QTest::addColumn<double>("start");
    QTest::addColumn<double>("end");
    QTest::addColumn<bool>("drawn");
    QTest::addColumn<int>("left");
    QTest::addColumn<int>("right");

    const StepMonths m = decJanFeb();
    QTest::newRow("first day of the base month")
        << m << serial(2005, 1, 1) << serial(2005, 1, 1) << true << 403 << 416;
    QTest::newRow("last column") << m << serial(2005, 2, 28) << serial(2005, 2, 28) << true << 1157 << 1170;
    QTest::newRow("past the last column")
        << m << serial(2005, 2, 27) << serial(2005, 3, 1) << true << 1144 << 1183;
    QTest::newRow("time of day is dropped")
        << m << serial(2005, 1, 2) + 0.75 << serial(2005, 1, 3) + 0.25 << true << 416 << 442;
    QTest::newRow("end before start draws nothing")
        << m << serial(2005, 1, 10) << serial(2005, 1, 5) << true << 520 << 520;
    QTest::newRow("day before the window")
        << m << serial(2004, 11, 30) << serial(2004, 12, 5) << false << 0 << 0;
    QTest::newRow("same month a year later")
        << m << serial(2005, 12, 5) << serial(2005, 12, 6) << false << 0 << 0;
    QTest::newRow("not a number") << m << std::nan("") << serial(2005, 1, 1) << false << 0 << 0;
    QTest::newRow("huge serial") << m << 1e300 << 1e300 << false << 0 << 0;
    QTest::newRow("huge end is held") << m << serial(2005, 1, 1) << 2.9e6 << true << 403 << 403 + 13 * 100000;

    const StepMonths novDecJan = StepMonths::around(2005, 12);
    QTest::newRow("january of the next year")
        << novDecJan << serial(2006, 1, 1) << serial(2006, 1, 1) << true << 13 * 61 << 13 * 62;
}

void TestStepChart::barSpanPixels_startInsideChartOnly()
{
    QFETCH(StepMonths, months);
    QFETCH(double, start);
    QFETCH(double, end);
    QFETCH(bool, drawn);
    QFETCH(int, left);
    QFETCH(int, right);
    const std::optional<BarPixels> p = StepChart::barSpanPixels(months, start, end);
    QCOMPARE(p.has_value(), drawn);
    if (drawn)
        QCOMPARE(*p, (BarPixels{left, right}));
}

void TestStepChart::datesAtPixels_snapToColumnsInsideChart_data()
{
    QTest::addColumn<StepMonths>("months");
    QTest::addColumn<int>("x1");
    QTest::addColumn<int>("x2");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("last");
    QTest::addColumn<QDate>("firstDate");
    QTest::addColumn<QDate>("lastDate");

    const StepMonths m = decJanFeb();
    QTest::newRow("first column is december 2004")
        << m << 0 << 12 << 1 << 1 << QDate(2004, 12, 1) << QDate(2004, 12, 1);
    QTest::newRow("one day") << m << 405 << 410 << 32 << 32 << QDate(2005, 1, 1) << QDate(2005, 1, 1);
    QTest::newRow("right to left") << m << 500 << 100 << 8 << 39 << QDate(2004, 12, 8) << QDate(2005, 1, 8);
    QTest::newRow("across the new year")
        << m << 13 * 29 + 3 << 13 * 32 + 12 << 30 << 33 << QDate(2004, 12, 30) << QDate(2005, 1, 2);
    QTest::newRow("into february right to left")
        << m << 13 * 62 << 13 * 61 - 1 << 61 << 63 << QDate(2005, 1, 30) << QDate(2005, 2, 1);
    QTest::newRow("released left of the strip")
        << m << 60 << -7 << 1 << 5 << QDate(2004, 12, 1) << QDate(2004, 12, 5);
    QTest::newRow("released at the end")
        << m << 1150 << 1170 << 89 << 90 << QDate(2005, 2, 27) << QDate(2005, 2, 28);
    QTest::newRow("released past the end")
        << m << 1150 << 5000 << 89 << 90 << QDate(2005, 2, 27) << QDate(2005, 2, 28);
    QTest::newRow("nov-dec-jan starts in 2005")
        << StepMonths::around(2005, 12) << 3 << 3 << 1 << 1 << QDate(2005, 11, 1) << QDate(2005, 11, 1);
    QTest::newRow("nov-dec-jan ends in 2006") << StepMonths::around(2005, 12) << 13 * 91 << 13 * 91 + 5 << 92
                                              << 92 << QDate(2006, 1, 31) << QDate(2006, 1, 31);
}

void TestStepChart::datesAtPixels_snapToColumnsInsideChart()
{
    QFETCH(StepMonths, months);
    QFETCH(int, x1);
    QFETCH(int, x2);
    QFETCH(int, first);
    QFETCH(int, last);
    QFETCH(QDate, firstDate);
    QFETCH(QDate, lastDate);
    const std::optional<StepChart::DaySpan> s = StepChart::datesAtPixels(months, x1, x2);
    QVERIFY(s);
    QCOMPARE(s->first, first);
    QCOMPARE(s->last, last);
    QCOMPARE(s->firstDate, firstDate);
    QCOMPARE(s->lastDate, lastDate);
    // Snapped back to pixels, the span lies inside the chart.
    QVERIFY((last)*13 <= 13 * months.dayCount());
}

void TestStepChart::columns_dateAndWeekdayOfColumn_data()
{
    QTest::addColumn<StepMonths>("months");
    QTest::addColumn<int>("firstMonthYear");
    QTest::addColumn<int>("column");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<int>("weekday"); // 1 Monday .. 7 Sunday

    const StepMonths m = decJanFeb();
    QTest::newRow("dec 1 2004 is a wednesday") << m << 2004 << 0 << QDate(2004, 12, 1) << 3;
    QTest::newRow("jan 1 2005 is a saturday") << m << 2004 << 31 << QDate(2005, 1, 1) << 6;
    QTest::newRow("jan 2 2005 is a sunday") << m << 2004 << 32 << QDate(2005, 1, 2) << 7;
    const StepMonths n = StepMonths::around(2005, 12);
    QTest::newRow("nov-dec-jan first column") << n << 2005 << 0 << QDate(2005, 11, 1) << 2;
    QTest::newRow("jan 1 2006 is a sunday") << n << 2005 << 61 << QDate(2006, 1, 1) << 7;
    const StepMonths leap = StepMonths::around(2004, 3);
    QTest::newRow("feb 29 2004 is a sunday") << leap << 2004 << 28 << QDate(2004, 2, 29) << 7;
}

void TestStepChart::columns_dateAndWeekdayOfColumn()
{
    QFETCH(StepMonths, months);
    QFETCH(int, firstMonthYear);
    QFETCH(int, column);
    QFETCH(QDate, date);
    QFETCH(int, weekday);
    QCOMPARE(months.firstMonthYear(), firstMonthYear);
    QCOMPARE(months.dateOfColumn(column), date);
    QCOMPARE(months.columnOf(date), column);
    const QList<StepChart::DayColumn> cols = StepChart::dayColumns(months);
    QCOMPARE(cols.size(), months.dayCount());
    QCOMPARE(cols[column].column, column);
    QCOMPARE(cols[column].date, date);
    QCOMPARE(cols[column].date.dayOfWeek(), weekday);
}

void TestStepChart::columns_markMonthEnds()
{
    const QList<StepChart::DayColumn> cols = StepChart::dayColumns(decJanFeb());
    QList<int> ends;
    for (const StepChart::DayColumn &c : cols) {
        if (c.lastOfMonth)
            ends << c.column;
    }
    QCOMPARE(ends, (QList<int>{30, 61, 89}));
    QCOMPARE(cols[30].monthIndex, 0);
    QCOMPARE(cols[31].monthIndex, 1);
    QCOMPARE(cols[62].monthIndex, 2);
    QCOMPARE(StepChart::monthNumberX(decJanFeb(), 1), 13 * 31 + 180);
    QCOMPARE(StepChart::monthLetterX(decJanFeb(), 2), 13 * 62 + 200);
}

void TestStepChart::gridShade_tensBlackFivesAndMonthEndGrey_data()
{
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("daysInMonth");
    QTest::addColumn<int>("shade");
    using S = StepChart::GridShade;
    QTest::newRow("10") << 10 << 31 << int(S::Black);
    QTest::newRow("30 of 31") << 30 << 31 << int(S::Black);
    QTest::newRow("30 is last day, still black") << 30 << 30 << int(S::Black);
    QTest::newRow("5") << 5 << 31 << int(S::Grey);
    QTest::newRow("31 last") << 31 << 31 << int(S::Grey);
    QTest::newRow("28 last of february") << 28 << 28 << int(S::Grey);
    QTest::newRow("29 of 31") << 29 << 31 << int(S::White);
}

void TestStepChart::gridShade_tensBlackFivesAndMonthEndGrey()
{
    QFETCH(int, day);
    QFETCH(int, daysInMonth);
    QFETCH(int, shade);
    QCOMPARE(int(StepChart::gridShade(day, daysInMonth)), shade);
}

QTEST_GUILESS_MAIN(TestStepChart)
#include "tst_stepchart.moc"
