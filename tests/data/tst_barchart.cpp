#include "data/BarChart.h"
#include "data/DaySerial.h"

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
    void barLeft_data();
    void barLeft();
    void barWidth_data();
    void barWidth();
    void captionLeft_data();
    void captionLeft();
    void separators_data();
    void separators();
};

void TestBarChart::strip_data()
{
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("year");
    QTest::addColumn<QList<int>>("widths");
    QTest::addColumn<QString>("texts");   // month labels of the three panels
    QTest::addColumn<QString>("lastDay"); // x:text of each panel's third day label
    const QString thirty = u"224:30"_s;
    QTest::newRow("March") << 3 << 2005 << QList<int>{224, 248, 240} << u"2 3 4"_s
                           << u"208:28 "_s + thirty + u" "_s + thirty;
    QTest::newRow("March, leap year")
        << 3 << 2004 << QList<int>{232, 248, 240} << u"2 3 4"_s << u"216:29 "_s + thirty + u" "_s + thirty;
    QTest::newRow("January") << 1 << 2005 << QList<int>{248, 248, 224} << u"12 1 2"_s
                             << thirty + u" "_s + thirty + u" 208:28"_s;
    QTest::newRow("January, leap year")
        << 1 << 2024 << QList<int>{248, 248, 232} << u"12 1 2"_s << thirty + u" "_s + thirty + u" 216:29"_s;
    QTest::newRow("February, century not leap")
        << 2 << 1900 << QList<int>{248, 224, 248} << u"1 2 3"_s << thirty + u" 208:28 "_s + thirty;
    QTest::newRow("February, 400th year leap")
        << 2 << 2000 << QList<int>{248, 232, 248} << u"1 2 3"_s << thirty + u" 216:29 "_s + thirty;
    QTest::newRow("May") << 5 << 2005 << QList<int>{240, 248, 240} << u"4 5 6"_s
                         << thirty + u" "_s + thirty + u" "_s + thirty;
    QTest::newRow("December") << 12 << 2005 << QList<int>{240, 248, 248} << u"11 12 1"_s
                              << thirty + u" "_s + thirty + u" "_s + thirty;
    QTest::newRow("unknown month 0") << 0 << 2005 << QList<int>{248, 248, 248} << u"XX XX XX"_s
                                     << thirty + u" "_s + thirty + u" "_s + thirty;
    QTest::newRow("unknown month 13") << 13 << 2005 << QList<int>{248, 248, 248} << u"XX XX XX"_s
                                      << thirty + u" "_s + thirty + u" "_s + thirty;
}

void TestBarChart::strip()
{
    QFETCH(int, month);
    QFETCH(int, year);
    QFETCH(QList<int>, widths);
    QFETCH(QString, texts);
    QFETCH(QString, lastDay);

    const BarChart::MonthStrip s = BarChart::monthStrip(month, year);
    QStringList gotTexts, gotLast;
    int left = 10;
    for (int i = 0; i < 3; ++i) {
        const BarChart::MonthPanel &p = s.panels[size_t(i)];
        QCOMPARE(p.width, widths[i]);
        QCOMPARE(p.left, left);
        left += widths[i];
        gotTexts << p.monthText;
        QCOMPARE(p.labels.size(), 3);
        QCOMPARE(p.labels[0], (BarChart::TickLabel{64, u"10"_s}));
        QCOMPARE(p.labels[1], (BarChart::TickLabel{144, u"20"_s}));
        gotLast << QString::number(p.labels[2].x) + u':' + p.labels[2].text;
    }
    QCOMPARE(gotTexts.join(u' '), texts);
    QCOMPARE(gotLast.join(u' '), lastDay);
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
    QTest::newRow("broken start: one day, not 38,000")
        << std::numeric_limits<double>::quiet_NaN() << serial(2005, 5, 16) << 8;
    QTest::newRow("endless end: one day")
        << serial(2005, 5, 16) << std::numeric_limits<double>::infinity() << 8;
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

QTEST_APPLESS_MAIN(TestBarChart)
#include "tst_barchart.moc"
