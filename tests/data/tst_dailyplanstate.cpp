#include "data/DailyPlanState.h"

#include <QTest>

using namespace Qt::StringLiterals;
using TimeAxis::ClockTime;

namespace {

constexpr qint32 White = 0x00FFFFFF;
constexpr qint32 Color = 0x123456;

// "h:m[PM]-h:m[PM]", as a pad's six boxes read.
QString timesOf(const SchedulePadRecord &r)
{
    auto one = [](int h, int m, bool pm) -> QString {
        return u"%1:%2"_s.arg(h).arg(m) + (pm ? u"PM"_s : QString());
    };
    return one(r.startHour, r.startMinute, r.startPM) + u'-' + one(r.endHour, r.endMinute, r.endPM);
}

DailyPlanState::PadForm form(ClockTime start, ClockTime end, int left)
{
    return {start, end, left, 500, u"会議"_s, u"週次"_s, true, Color};
}

DailyPlanState::PadOutcome outcome(const QString &flags)
{
    return {flags.contains(u"order"_s), flags.contains(u"start"_s), flags.contains(u"end"_s),
            flags.contains(u"restored"_s)};
}

} // namespace

class TestDailyPlanState : public QObject
{
    Q_OBJECT
private slots:
    void keepPad_checksOrderClampsAndPicksPane_data();
    void keepPad_checksOrderClampsAndPicksPane();
    void revisePad_keepsTopOrFallsBackToSavedDay_data();
    void revisePad_keepsTopOrFallsBackToSavedDay();
    void removePad_packsBarsAndMemosToLowestNumbers_data();
    void removePad_packsBarsAndMemosToLowestNumbers();
    void todayFiles_followThePlannersDay();
};

void TestDailyPlanState::keepPad_checksOrderClampsAndPicksPane_data()
{
    QTest::addColumn<ClockTime>("start");
    QTest::addColumn<ClockTime>("end");
    QTest::addColumn<int>("left");
    QTest::addColumn<QString>("flags");
    QTest::addColumn<ScheduleBar>("bar");
    QTest::addColumn<QString>("times");

    // Rows: two per minute from 6:00. A refused pad keeps no times and no bar.
    const ScheduleBar none = ScheduleBar::unused();
    const QString noTimes = u"-1:-1--1:-1"_s;
    QTest::newRow("same time") << ClockTime{9, 0} << ClockTime{9, 0} << 4 << u"order"_s << none << noTimes;
    QTest::newRow("5:00 am lies after 7:00 am")
        << ClockTime{5, 0} << ClockTime{7, 0} << 4 << u"order"_s << none << noTimes;
    QTest::newRow("across midnight") << ClockTime{11, 30, true} << ClockTime{0, 30} << 351 << QString()
                                     << ScheduleBar{u"R"_s, 2100, 2220, Color} << u"11:30PM-0:30"_s;
    QTest::newRow("left edge 300 is the left pane") << ClockTime{8, 0} << ClockTime{9, 0} << 300 << QString()
                                                    << ScheduleBar{u"L"_s, 240, 360, Color} << u"8:0-9:0"_s;
    QTest::newRow("301 is the right pane") << ClockTime{8, 0} << ClockTime{9, 0} << 301 << QString()
                                           << ScheduleBar{u"R"_s, 240, 360, Color} << u"8:0-9:0"_s;
    QTest::newRow("start before 6:00") << ClockTime{6, -5} << ClockTime{6, 30} << 4 << u"start"_s
                                       << ScheduleBar{u"L"_s, 0, 60, Color} << u"6:0-6:30"_s;
    QTest::newRow("end past 5:59") << ClockTime{4, 0} << ClockTime{5, 99} << 4 << u"end"_s
                                   << ScheduleBar{u"L"_s, 2640, 2879, Color} << u"4:0-5:59"_s;
    QTest::newRow("end on 2880 stays") << ClockTime{5, 0} << ClockTime{5, 60} << 4 << QString()
                                       << ScheduleBar{u"L"_s, 2760, 2880, Color} << u"5:0-5:60"_s;
    QTest::newRow("late bar, pad kept on the plan")
        << ClockTime{5, 30} << ClockTime{5, 50} << 4 << QString() << ScheduleBar{u"L"_s, 2820, 2860, Color}
        << u"5:30-5:50"_s;
    QTest::newRow("both ends") << ClockTime{6, -1} << ClockTime{5, 61} << 4 << u"start end"_s
                               << ScheduleBar{u"L"_s, 0, 2879, Color} << u"6:0-5:59"_s;
}

void TestDailyPlanState::keepPad_checksOrderClampsAndPicksPane()
{
    QFETCH(ClockTime, start);
    QFETCH(ClockTime, end);
    QFETCH(int, left);
    QFETCH(QString, flags);
    QFETCH(ScheduleBar, bar);
    QFETCH(QString, times);
    DailyPlanState s;
    s.clearDay();
    s.workingPads[2].memo = u"メモ"_s;
    QCOMPARE(s.keepPad(2, form(start, end, left)), outcome(flags));

    QCOMPARE(s.workingBars[2], bar);
    const SchedulePadRecord &r = s.workingPads[2];
    QCOMPARE(timesOf(r), times);
    QCOMPARE(r.padNo, 3);
    QCOMPARE(r.padLeft, left);
    // A kept pad moves to the start of its bar, but never below the plan (2884 rows, a pad is 80).
    QCOMPARE(r.padTop, bar.inUse() ? qMin(bar.startRow + 1, 2804) : 500);
    QCOMPARE(r.keyword, u"会議"_s);
    QCOMPARE(r.content, u"週次"_s);
    QCOMPARE(r.barColor, Color);
    QVERIFY(r.completed);
    QCOMPARE(r.memo, u"メモ"_s);
}

void TestDailyPlanState::revisePad_keepsTopOrFallsBackToSavedDay_data()
{
    QTest::addColumn<bool>("savedBefore");
    QTest::addColumn<ClockTime>("start");
    QTest::addColumn<ClockTime>("end");
    QTest::addColumn<QString>("flags");
    QTest::addColumn<ScheduleBar>("bar");
    QTest::addColumn<QString>("times");

    QTest::newRow("accepted") << true << ClockTime{9, 0} << ClockTime{10, 0} << QString()
                              << ScheduleBar{u"L"_s, 360, 480, Color} << u"9:0-10:0"_s;
    QTest::newRow("accepted, end clamped") << false << ClockTime{11, 0, true} << ClockTime{5, 99} << u"end"_s
                                           << ScheduleBar{u"L"_s, 2040, 2879, Color} << u"11:0PM-5:59"_s;
    QTest::newRow("out of order, saved times back")
        << true << ClockTime{10, 0} << ClockTime{9, 0} << u"order restored"_s
        << ScheduleBar{u"R"_s, 240, 360, 0xFF} << u"8:0-9:0PM"_s;
    QTest::newRow("out of order, never saved: white unused bar")
        << false << ClockTime{10, 0} << ClockTime{9, 0} << u"order"_s << ScheduleBar::unused(White)
        << u"10:0-9:0"_s;
}

void TestDailyPlanState::revisePad_keepsTopOrFallsBackToSavedDay()
{
    QFETCH(bool, savedBefore);
    QFETCH(ClockTime, start);
    QFETCH(ClockTime, end);
    QFETCH(QString, flags);
    QFETCH(ScheduleBar, bar);
    QFETCH(QString, times);
    DailyPlanState s;
    s.clearDay();
    if (savedBefore) {
        SchedulePadRecord &saved = s.dayImage.pads[0];
        saved.keyword = u"古い"_s; // only the times come back
        saved.startHour = 8;
        saved.startMinute = saved.endMinute = 0;
        saved.endHour = 9;
        saved.endPM = true;
        s.dayImage.bars[0] = {u"R"_s, 240, 360, 0xFF};
    }
    s.workingBars[0] = {u"L"_s, 100, 200, 0xFF};
    QCOMPARE(s.revisePad(0, form(start, end, 4)), outcome(flags));
    QCOMPARE(s.workingBars[0], bar);
    QCOMPARE(timesOf(s.workingPads[0]), times);
    QCOMPARE(s.workingPads[0].padTop, 500);
    QCOMPARE(s.workingPads[0].keyword, u"会議"_s);
}

void TestDailyPlanState::removePad_packsBarsAndMemosToLowestNumbers_data()
{
    QTest::addColumn<QList<int>>("withBars");
    QTest::addColumn<int>("removed");
    QTest::addColumn<QList<int>>("packed"); // the old slots, in their new order

    QTest::newRow("middle of three") << QList<int>{0, 1, 2} << 1 << QList<int>{0, 2};
    QTest::newRow("gaps close") << QList<int>{1, 4, 7, 23} << 4 << QList<int>{1, 7, 23};
    QTest::newRow("the only one") << QList<int>{5} << 5 << QList<int>{};
    QTest::newRow("empty slot removed") << QList<int>{3, 6} << 0 << QList<int>{3, 6};
}

void TestDailyPlanState::removePad_packsBarsAndMemosToLowestNumbers()
{
    QFETCH(QList<int>, withBars);
    QFETCH(int, removed);
    QFETCH(QList<int>, packed);
    DailyPlanState s;
    s.clearDay();
    for (int k = 0; k < PadSlots; ++k) {
        // Every slot has a record; only some have a bar (the others were never kept).
        s.workingPads[k].padNo = k + 1;
        s.workingPads[k].startHour = 8;
        s.workingPads[k].memo = u"memo"_s + QString::number(k);
        if (withBars.contains(k))
            s.workingBars[k] = {u"L"_s, 10 * k, 10 * k + 5, k};
    }
    const ScheduleBars bars = s.workingBars;
    const SchedulePads pads = s.workingPads;

    QCOMPARE(s.removePad(removed), int(packed.size()));
    for (int i = 0; i < PadSlots; ++i) {
        SchedulePadRecord expected;
        if (i < packed.size()) {
            expected = pads[packed[i]];
            expected.padNo = i + 1;
        }
        QCOMPARE(s.workingBars[i], i < packed.size() ? bars[packed[i]] : ScheduleBar::unused());
        QCOMPARE(s.workingPads[i], expected);
    }
}

void TestDailyPlanState::todayFiles_followThePlannersDay()
{
    DailyPlanState s;
    s.dailyPlanRoot = u"/w/AUBREL"_s;
    s.today = QDate(2006, 1, 2);
    QCOMPARE(s.monthFolder(), u"/w/AUBREL/Y200601"_s);
    QCOMPARE(s.todayDayFile(), u"/w/AUBREL/Y200601/Y2006012.dtf"_s);
}

QTEST_GUILESS_MAIN(TestDailyPlanState)
#include "tst_dailyplanstate.moc"
