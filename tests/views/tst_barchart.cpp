#include "BarChart.h"
#include "DaySerial.h"

#include <QTest>

#include <limits>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(BarChart::LineColour)

namespace {

double serial(int y, int m, int d)
{
    return DaySerial::fromDate(QDate(y, m, d));
}

} // namespace

class TestBarChart : public QObject
{
    Q_OBJECT
private slots:
    void strip_data();
    void strip();
    void strip_februaryLabelReplacesThirty_data();
    void strip_februaryLabelReplacesThirty();
    void strip_ticksBeyondPanelAreCut();
    void barLeft_data();
    void barLeft();
    void barWidth_data();
    void barWidth();
    void captionLeft_data();
    void captionLeft();
    void separators_data();
    void separators();
    void separators_oneLinePerDayOfTheThreeMonths();
    void barColour_byCheck();
    void stepPrefix_onlyAtTheStart();
    void captionText_japaneseDatesWithoutLeadingZeros();
};

void TestBarChart::strip_data()
{
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("year");
    QTest::addColumn<QList<int>>("months");
    QTest::addColumn<QList<int>>("widths");
    QTest::addColumn<QStringList>("texts");

    QTest::newRow("March") << 3 << 2005 << QList<int>{2, 3, 4} << QList<int>{224, 248, 240}
                           << QStringList{u"2"_s, u"3"_s, u"4"_s};
    QTest::newRow("March of a leap year") << 3 << 2004 << QList<int>{2, 3, 4} << QList<int>{232, 248, 240}
                                          << QStringList{u"2"_s, u"3"_s, u"4"_s};
    QTest::newRow("January") << 1 << 2005 << QList<int>{12, 1, 2} << QList<int>{248, 248, 224}
                             << QStringList{u"12"_s, u"1"_s, u"2"_s};
    QTest::newRow("January of a leap year") << 1 << 2024 << QList<int>{12, 1, 2} << QList<int>{248, 248, 232}
                                            << QStringList{u"12"_s, u"1"_s, u"2"_s};
    QTest::newRow("February") << 2 << 2023 << QList<int>{1, 2, 3} << QList<int>{248, 224, 248}
                              << QStringList{u"1"_s, u"2"_s, u"3"_s};
    QTest::newRow("May") << 5 << 2005 << QList<int>{4, 5, 6} << QList<int>{240, 248, 240}
                         << QStringList{u"4"_s, u"5"_s, u"6"_s};
    QTest::newRow("December") << 12 << 2005 << QList<int>{11, 12, 1} << QList<int>{240, 248, 248}
                              << QStringList{u"11"_s, u"12"_s, u"1"_s};
    QTest::newRow("unknown month 0") << 0 << 2005 << QList<int>{0, 0, 0} << QList<int>{248, 248, 248}
                                     << QStringList{u"XX"_s, u"XX"_s, u"XX"_s};
    QTest::newRow("unknown month 13") << 13 << 2005 << QList<int>{0, 0, 0} << QList<int>{248, 248, 248}
                                      << QStringList{u"XX"_s, u"XX"_s, u"XX"_s};
}

void TestBarChart::strip()
{
    QFETCH(int, month);
    QFETCH(int, year);
    QFETCH(QList<int>, months);
    QFETCH(QList<int>, widths);
    QFETCH(QStringList, texts);

    const BarChart::MonthStrip s = BarChart::monthStrip(month, year);
    int left = 10;
    for (int i = 0; i < 3; ++i) {
        const BarChart::MonthPanel &p = s.panels[size_t(i)];
        QCOMPARE(p.month, months[i]);
        QCOMPARE(p.width, widths[i]);
        QCOMPARE(p.left, left);
        QCOMPARE(p.monthText, texts[i]);
        left += widths[i];
    }
    QCOMPARE(s.rowWidth(), widths[0] + widths[1] + widths[2]);
}

void TestBarChart::strip_februaryLabelReplacesThirty_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("lastX");
    QTest::addColumn<QString>("lastText");
    QTest::newRow("common year") << 2005 << 208 << u"28"_s;
    QTest::newRow("leap year") << 2004 << 216 << u"29"_s;
    QTest::newRow("century, not leap") << 1900 << 208 << u"28"_s;
    QTest::newRow("400th year, leap") << 2000 << 216 << u"29"_s;
}

void TestBarChart::strip_februaryLabelReplacesThirty()
{
    QFETCH(int, year);
    QFETCH(int, lastX);
    QFETCH(QString, lastText);
    const BarChart::MonthStrip s = BarChart::monthStrip(2, year);
    const QList<BarChart::TickLabel> expectedFeb{{64, u"10"_s}, {144, u"20"_s}, {lastX, lastText}};
    const QList<BarChart::TickLabel> expectedOther{{64, u"10"_s}, {144, u"20"_s}, {224, u"30"_s}};
    QCOMPARE(s.panels[1].labels, expectedFeb);
    QCOMPARE(s.panels[0].labels, expectedOther);
    QCOMPARE(s.panels[2].labels, expectedOther);
}

void TestBarChart::strip_ticksBeyondPanelAreCut()
{
    const BarChart::MonthStrip s = BarChart::monthStrip(3, 2005); // February 224 wide
    const QList<BarChart::Tick> full{{38, false}, {78, true},   {118, false},
                                     {158, true}, {198, false}, {238, true}};
    QCOMPARE(s.panels[1].ticks, full);
    QCOMPARE(s.panels[2].ticks, full); // April, 240
    QCOMPARE(s.panels[0].ticks, full.mid(0, 5));
}

void TestBarChart::barLeft_data()
{
    QTest::addColumn<int>("month");
    QTest::addColumn<double>("start");
    QTest::addColumn<int>("left");

    // March 2005: W1 = 224 (February), W2 = 248.
    QTest::newRow("first day of the month before") << 3 << serial(2005, 2, 1) << -1;
    QTest::newRow("middle of the month before") << 3 << serial(2005, 2, 15) << 111;
    QTest::newRow("30th of the shown month") << 3 << serial(2005, 3, 30) << 224 + 231;
    QTest::newRow("first day of the month after") << 3 << serial(2005, 4, 1) << 224 + 248 - 1;
    QTest::newRow("two months before") << 3 << serial(2005, 1, 10) << 0;
    QTest::newRow("two months after") << 3 << serial(2005, 5, 1) << 0;
    QTest::newRow("another year, same month") << 3 << serial(1999, 3, 30) << 224 + 231;
    QTest::newRow("time of day ignored") << 3 << serial(2005, 3, 30) + 0.75 << 224 + 231;
    // December: W1 = 240 (November), W2 = 248; January of next year is the month after.
    QTest::newRow("December, start in next January") << 12 << serial(2006, 1, 5) << 240 + 248 + 31;
    QTest::newRow("January, start in December") << 1 << serial(2004, 12, 20) << 151;
    QTest::newRow("unknown month draws from 0") << 0 << serial(2005, 1, 20) << 0;
    QTest::newRow("broken start") << 3 << std::numeric_limits<double>::quiet_NaN() << 0;
    QTest::newRow("start far beyond any date") << 12 << 1e300 << 240 + 8 * 31 - 9; // 9999-12-31
}

void TestBarChart::barLeft()
{
    QFETCH(int, month);
    QFETCH(double, start);
    QFETCH(int, left);
    QCOMPARE(BarChart::barLeft(BarChart::monthStrip(month, 2005), start), left);
}

void TestBarChart::barWidth_data()
{
    QTest::addColumn<double>("start");
    QTest::addColumn<double>("end");
    QTest::addColumn<int>("width");
    QTest::newRow("one day") << serial(2005, 5, 16) << serial(2005, 5, 16) << 8;
    QTest::newRow("30 March to 2 April") << serial(2005, 3, 30) << serial(2005, 4, 2) << 32;
    QTest::newRow("60 days") << serial(2005, 3, 1) << serial(2005, 4, 30) << 8 * 60 + 8;
    QTest::newRow("fractions truncated") << 38000.7 << 38001.2 << 16;
    QTest::newRow("end before start: one day") << serial(2005, 5, 16) << serial(2005, 5, 10) << 8;
    QTest::newRow("broken end: one day")
        << serial(2005, 5, 16) << std::numeric_limits<double>::quiet_NaN() << 8;
    QTest::newRow("end far beyond any date") << serial(9999, 12, 1) << 1e300 << 8 * 30 + 8;
}

void TestBarChart::barWidth()
{
    QFETCH(double, start);
    QFETCH(double, end);
    QFETCH(int, width);
    QCOMPARE(BarChart::barWidth(start, end), width);
}

void TestBarChart::captionLeft_data()
{
    QTest::addColumn<int>("barLeft");
    QTest::addColumn<int>("barWidth");
    QTest::addColumn<int>("captionWidth");
    QTest::addColumn<int>("left");
    // Row width 720 throughout.
    QTest::newRow("centred under the bar") << 100 << 40 << 20 << 110;
    QTest::newRow("half pixel truncated toward zero") << 100 << 8 << 21 << 94;
    QTest::newRow("would start left of 0") << 0 << 8 << 100 << 0;
    QTest::newRow("would end past the row") << 700 << 16 << 100 << 720 - 100 - 16;
    QTest::newRow("ends exactly at the row end") << 680 << 40 << 40 << 680;
    QTest::newRow("wider than the row") << 455 << 32 << 800 << 720 - 800 - 16;
}

void TestBarChart::captionLeft()
{
    QFETCH(int, barLeft);
    QFETCH(int, barWidth);
    QFETCH(int, captionWidth);
    QFETCH(int, left);
    QCOMPARE(BarChart::captionLeft(barLeft, barWidth, captionWidth, 720), left);
}

void TestBarChart::separators_data()
{
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("x");
    QTest::addColumn<BarChart::LineColour>("colour");
    using C = BarChart::LineColour;
    // May 2005: April (30 days) at 0, May (31) at 240, June (30) at 488.
    QTest::newRow("day 1") << 5 << 2005 << 5 << C::ButtonFace;
    QTest::newRow("day 5") << 5 << 2005 << 37 << C::Silver;
    QTest::newRow("day 10") << 5 << 2005 << 77 << C::Gray;
    QTest::newRow("day 15") << 5 << 2005 << 117 << C::Silver;
    QTest::newRow("day 30, the last of April") << 5 << 2005 << 237 << C::Gray;
    QTest::newRow("May day 20") << 5 << 2005 << 240 + 157 << C::Gray;
    QTest::newRow("May day 25") << 5 << 2005 << 240 + 197 << C::Silver;
    QTest::newRow("May day 29") << 5 << 2005 << 240 + 229 << C::ButtonFace;
    QTest::newRow("May day 30") << 5 << 2005 << 240 + 237 << C::Gray;
    QTest::newRow("May day 31, the last") << 5 << 2005 << 240 + 245 << C::Silver;
    QTest::newRow("June day 30") << 5 << 2005 << 488 + 237 << C::Gray;
    // March 2005 shows February with 28 days first; 2004 with 29.
    QTest::newRow("February 28th, the last") << 3 << 2005 << 221 << C::Silver;
    QTest::newRow("February 28th of a leap year") << 3 << 2004 << 221 << C::ButtonFace;
    QTest::newRow("February 29th, the last") << 3 << 2004 << 229 << C::Silver;
    QTest::newRow("unknown month, third panel day 31") << 0 << 2005 << 496 + 245 << C::Silver;
}

void TestBarChart::separators()
{
    QFETCH(int, month);
    QFETCH(int, year);
    QFETCH(int, x);
    QFETCH(BarChart::LineColour, colour);
    const QList<BarChart::Separator> lines = BarChart::separators(BarChart::monthStrip(month, year));
    const auto it =
        std::find_if(lines.begin(), lines.end(), [x](const BarChart::Separator &s) { return s.x == x; });
    QVERIFY2(it != lines.end(), qPrintable(QString::number(x)));
    QCOMPARE(it->colour, colour);
}

void TestBarChart::separators_oneLinePerDayOfTheThreeMonths()
{
    QCOMPARE(BarChart::separators(BarChart::monthStrip(5, 2005)).size(), 30 + 31 + 30);
    QCOMPARE(BarChart::separators(BarChart::monthStrip(1, 2004)).size(), 31 + 31 + 29);
    QCOMPARE(BarChart::separators(BarChart::monthStrip(0, 2004)).size(), 3 * 31);
}

void TestBarChart::barColour_byCheck()
{
    using B = BarChart::BarColour;
    QCOMPARE(BarChart::barColour(0), B::Red);
    QCOMPARE(BarChart::barColour(1), B::Blue);
    QCOMPARE(BarChart::barColour(2), B::Aqua);
    QCOMPARE(BarChart::barColour(3), B::Red);
    QCOMPARE(BarChart::barColour(-1), B::Red);
}

void TestBarChart::stepPrefix_onlyAtTheStart()
{
    QVERIFY(BarChart::isStepManaged(u"[STEP]見積"_s));
    QVERIFY(!BarChart::isStepManaged(u"見積[STEP]"_s));
    QVERIFY(!BarChart::isStepManaged(u" [STEP]見積"_s));
    QVERIFY(!BarChart::isStepManaged(u"[step]見積"_s));
}

void TestBarChart::captionText_japaneseDatesWithoutLeadingZeros()
{
    JobRecord job;
    job.dataNo = 3;
    job.title = u"見積"_s;
    job.startDate = serial(2005, 3, 30); // Wednesday
    job.endDate = serial(2005, 4, 2);    // Saturday
    QCOMPARE(BarChart::captionText(job), u"No.3■開始:3月30日(水)■終了:4月2日(土)●見積"_s);
}

QTEST_APPLESS_MAIN(TestBarChart)
#include "tst_barchart.moc"
