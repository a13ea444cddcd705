#include "data/DayPlan.h"
#include "data/ListEntriesFile.h"
#include "data/RoutineBook.h"

#include <QTest>

using namespace Qt::StringLiterals;
using TimeAxis::ClockTime;

namespace {

constexpr qint32 White = 0x00FFFFFF;
constexpr qint32 Color = 0x123456;
// The planner's plan: panes at 4 and 351, a pad 80 high on a plan 2884 high.
const PlanPlacement placement{4, 351, 300, 2804};

// A day as a file holds it, taken as image and working copies.
void takeDay(DayPlan &d, const ScheduleBars &bars, const SchedulePads &pads)
{
    DayFile day;
    day.bars = bars;
    day.pads = pads;
    d.takeDay(day, {});
}

// "h:m[PM]-h:m[PM]", as a pad's six boxes read.
QString timesOf(const SchedulePadRecord &r)
{
    auto one = [](int h, int m, bool pm) -> QString {
        return u"%1:%2"_s.arg(h).arg(m) + (pm ? u"PM"_s : QString());
    };
    return one(r.startHour, r.startMinute, r.startPM) + u'-' + one(r.endHour, r.endMinute, r.endPM);
}

DayPlan::PadForm form(ClockTime start, ClockTime end, int left)
{
    return {start, end, left, 500, u"会議"_s, u"週次"_s, true, Color};
}

DayPlan::PadOutcome outcome(const QString &flags)
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
    void registerRoutine_takesKeptRecordIntoFirstFreeRecord_data();
    void registerRoutine_takesKeptRecordIntoFirstFreeRecord();
    void keepRoutine_leavesTopAndMemo();
    void removeRoutine_packsToLowestNumbers();
    void routineDay_showsSavedRoutinesOfTheWeekdayInOrder_data();
    void routineDay_showsSavedRoutinesOfTheWeekdayInOrder();
    void listEditing_buttons_data();
    void listEditing_buttons();
    void listsFromDialog_cutToCapacityAndSize();
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
    DayPlan s(placement);
    s.setPadMemo(2, u"メモ"_s);
    QCOMPARE(s.keepPad(2, form(start, end, left)), outcome(flags));

    QCOMPARE(s.bars()[2], bar);
    const SchedulePadRecord &r = s.pad(2);
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
    DayPlan s(placement);
    if (savedBefore) {
        ScheduleBars bars;
        bars.fill(ScheduleBar::unused());
        SchedulePads pads{};
        SchedulePadRecord &saved = pads[0];
        saved.keyword = u"古い"_s; // only the times come back
        saved.setStart({8, 0, false});
        saved.setEnd({9, 0, true});
        bars[0] = {u"R"_s, 240, 360, 0xFF};
        takeDay(s, bars, pads);
    }
    QCOMPARE(s.revisePad(0, form(start, end, 4)), outcome(flags));
    QCOMPARE(s.bars()[0], bar);
    QCOMPARE(timesOf(s.pad(0)), times);
    QCOMPARE(s.pad(0).padTop, 500);
    QCOMPARE(s.pad(0).keyword, u"会議"_s);
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
    DayPlan s(placement);
    ScheduleBars bars;
    bars.fill(ScheduleBar::unused());
    SchedulePads pads{};
    for (int k = 0; k < PadSlots; ++k) {
        // Every slot has a record; only some have a bar (the others were never kept).
        pads[k].padNo = k + 1;
        pads[k].startHour = 8;
        pads[k].memo = u"memo"_s + QString::number(k);
        if (withBars.contains(k))
            bars[k] = {u"L"_s, 10 * k, 10 * k + 5, k};
    }
    takeDay(s, bars, pads);

    QCOMPARE(s.removePad(removed), int(packed.size()));
    for (int i = 0; i < PadSlots; ++i) {
        SchedulePadRecord expected;
        if (i < packed.size()) {
            expected = pads[packed[i]];
            expected.padNo = i + 1;
        }
        QCOMPARE(s.bars()[i], i < packed.size() ? bars[packed[i]] : ScheduleBar::unused());
        QCOMPARE(s.pad(i), expected);
    }
}

void TestDailyPlanState::todayFiles_followThePlannersDay()
{
    DayPlan s(placement);
    s.setRoot(u"/w/AUBREL"_s);
    s.setToday(QDate(2006, 1, 2));
    QCOMPARE(s.monthFolder(), u"/w/AUBREL/Y200601"_s);
    QCOMPARE(s.todayFile(), u"/w/AUBREL/Y200601/Y2006012.dtf"_s);
}

namespace {

RoutineRecord routine(int number, const QString &keyword, bool shown = true,
                      std::array<bool, 7> days = {true, true, true, true, true, true, true})
{
    RoutineRecord r;
    r.padNo = number;
    r.padLeft = number % 2 ? 4 : 351;
    r.padTop = 100 * number;
    r.keyword = keyword;
    r.barColor = number;
    r.startHour = 8 + number;
    r.startMinute = 0;
    r.endHour = 9 + number;
    r.endMinute = 30;
    r.memo = u"memo "_s + keyword;
    r.showFlag = shown;
    r.weekdays = days;
    return r;
}

} // namespace

void TestDailyPlanState::registerRoutine_takesKeptRecordIntoFirstFreeRecord_data()
{
    QTest::addColumn<QList<int>>("used"); // routine records in use before
    QTest::addColumn<bool>("kept");       // the pad's record was kept ("一時保存")
    QTest::addColumn<int>("number");      // 0: refused
    QTest::newRow("kept pad of the right pane") << QList<int>{0, 1} << true << 3;
    QTest::newRow("never kept: empty texts, no times") << QList<int>{} << false << 1;
    QTest::newRow("a ninth is refused") << QList<int>{0, 1, 2, 3, 4, 5, 6, 7} << true << 0;
    QTest::newRow("a gap left by a damaged file is filled") << QList<int>{0, 2} << true << 2;
}

void TestDailyPlanState::registerRoutine_takesKeptRecordIntoFirstFreeRecord()
{
    QFETCH(QList<int>, used);
    QFETCH(bool, kept);
    QFETCH(int, number);
    DayPlan s(placement);
    RoutineBook book(placement);
    RoutineFile::Routines before{};
    for (int k : used)
        before[k] = routine(k + 1, u"old"_s);
    book.take(before);
    if (kept) {
        s.keepPad(3, form({8, 0}, {9, 15, true}, 351));
        s.setPadMemo(3, u"メモ"_s);
    }

    const std::optional<int> registered = book.registerPad(s.pad(3));
    QCOMPARE(registered.value_or(0), number);
    if (!number) {
        QCOMPARE(book.routines(), before);
        return;
    }
    RoutineRecord expected;
    expected.padNo = number;
    expected.padLeft = 4; // the left pane, whichever pane the pad is in
    expected.showFlag = true;
    expected.weekdays.fill(true);
    if (kept) {
        expected.padTop = 241;
        expected.keyword = u"会議"_s;
        expected.content = u"週次"_s;
        expected.barColor = Color;
        expected.startHour = 8;
        expected.startMinute = 0;
        expected.endHour = 9;
        expected.endMinute = 15;
        expected.endPM = true;
        expected.memo = u"メモ"_s;
    }
    QCOMPARE(book.routine(number - 1), expected);
    QCOMPARE(book.saved(), before); // provisional: working copy only
}

void TestDailyPlanState::keepRoutine_leavesTopAndMemo()
{
    RoutineBook s(placement);
    RoutineFile::Routines routines{};
    routines[1] = routine(2, u"old"_s);
    s.take(routines);
    RoutineBook::RoutineForm f{{7, 5}, {8, 0, true}, true, u"朝礼"_s, u"全体"_s, 0xFF, false, {}};
    f.weekdays[3] = true;
    s.keep(1, f);
    RoutineRecord expected = routine(2, u"old"_s);
    expected.padLeft = 351;
    expected.keyword = u"朝礼"_s;
    expected.content = u"全体"_s;
    expected.barColor = 0xFF;
    expected.startHour = 7;
    expected.startMinute = 5;
    expected.endHour = 8;
    expected.endMinute = 0;
    expected.endPM = true;
    expected.showFlag = false;
    expected.weekdays = f.weekdays;
    QCOMPARE(s.routine(1), expected);
    f.rightPane = false;
    s.keep(1, f);
    QCOMPARE(s.routine(1).padLeft, 4);
}

void TestDailyPlanState::removeRoutine_packsToLowestNumbers()
{
    RoutineBook s(placement);
    RoutineFile::Routines routines{};
    for (int k = 0; k < 3; ++k)
        routines[k] = routine(k + 1, QString::number(k + 1));
    s.take(routines);
    QCOMPARE(s.remove(0), 2);
    QCOMPARE(s.routine(0).keyword, u"2"_s);
    QCOMPARE(s.routine(0).padNo, 1);
    QCOMPARE(s.routine(0).memo, u"memo 2"_s);
    QCOMPARE(s.routine(1).keyword, u"3"_s);
    QCOMPARE(s.routine(1).padNo, 2);
    QCOMPARE(s.routine(2), RoutineRecord());
    s.dropEdits();
    QCOMPARE(s.count(), 3);
}

void TestDailyPlanState::routineDay_showsSavedRoutinesOfTheWeekdayInOrder_data()
{
    QTest::addColumn<int>("weekday");
    QTest::addColumn<QStringList>("shown"); // keywords of the pads, in order
    // Routines: "all" every day, "noWed" all but Wednesday, "off" show box off, "late" every day,
    // "noTimes" registered from a pad never kept.
    QTest::newRow("Wednesday") << 3 << QStringList{u"all"_s, u"late"_s};
    QTest::newRow("Tuesday") << 2 << QStringList{u"all"_s, u"noWed"_s, u"late"_s};
}

void TestDailyPlanState::routineDay_showsSavedRoutinesOfTheWeekdayInOrder()
{
    QFETCH(int, weekday);
    QFETCH(QStringList, shown);
    DayFile shownDay;
    shownDay.setSourcePath(u"/w/Y2005125.dtf"_s);
    shownDay.createdOn = 38691;
    shownDay.diary.text1 = u"消える"_s;
    RoutineFile::Routines saved{};
    saved[0] = routine(1, u"all"_s);
    saved[1] = routine(2, u"noWed"_s, true, {true, true, true, false, true, true, true});
    saved[2] = routine(3, u"off"_s, false);
    saved[3] = routine(4, u"noTimes"_s);
    saved[3].startHour = saved[3].startMinute = -1;
    saved[4] = routine(5, u"late"_s);
    RoutineBook s(placement);
    s.take(saved);
    // Not saved: not shown.
    s.keep(
        5,
        {{8, 0}, {9, 0}, false, u"provisional"_s, {}, 0, true, {true, true, true, true, true, true, true}});

    const DayFile day = s.dayOf(weekday, shownDay);
    QCOMPARE(day.sourcePath, shownDay.sourcePath);
    QCOMPARE(day.createdOn, 38691.0);
    QCOMPARE(day.diary, DiaryRecord());
    QStringList keywords;
    for (int j = 0; j < PadSlots; ++j) {
        const SchedulePadRecord &pad = day.pads[j];
        if (j >= shown.size()) {
            QCOMPARE(pad, SchedulePadRecord());
            QCOMPARE(day.bars[j], ScheduleBar::unused());
            continue;
        }
        keywords << pad.keyword;
        const RoutineRecord &r =
            *std::find_if(s.saved().begin(), s.saved().end(),
                          [&](const RoutineRecord &x) { return x.keyword == pad.keyword; });
        QCOMPARE(pad.padNo, j + 1);
        QCOMPARE(pad.padLeft, r.padLeft);
        QCOMPARE(pad.padTop, r.padTop);
        QCOMPARE(pad.memo, r.memo);
        QVERIFY(!pad.completed);
        const int start = TimeAxis::timeToRow(r.startHour, r.startPM, r.startMinute);
        const int end = TimeAxis::timeToRow(r.endHour, r.endPM, r.endMinute);
        QCOMPARE(day.bars[j], (ScheduleBar{r.padLeft == 4 ? u"L"_s : u"R"_s, start, end, r.barColor}));
    }
    QCOMPARE(keywords, shown);
}

void TestDailyPlanState::listEditing_buttons_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<int>("selected");
    QTest::addColumn<QStringList>("after");
    QTest::addColumn<int>("selectedAfter");
    QTest::addColumn<bool>("changed");
    const QStringList abc{u"a"_s, u"b"_s, u"c"_s};
    const QStringList full24(24, u"k"_s);
    const QStringList full12(12, u"t"_s);
    QTest::newRow("append") << u"append 24"_s << abc << 0 << QStringList{u"a"_s, u"b"_s, u"c"_s, u"x"_s} << 3
                            << true;
    QTest::newRow("append the same again")
        << u"append 24"_s << QStringList{u"x"_s} << 0 << QStringList{u"x"_s, u"x"_s} << 1 << true;
    QTest::newRow("25th keyword") << u"append 24"_s << full24 << 0 << full24 << -1 << false;
    QTest::newRow("13th title") << u"append 12"_s << full12 << 0 << full12 << -1 << false;
    QTest::newRow("12th title") << u"append 12"_s << QStringList(11, u"t"_s) << 0
                                << (QStringList(11, u"t"_s) << u"x"_s) << 11 << true;
    QTest::newRow("append empty text") << u"append empty"_s << abc << 1 << abc << -1 << false;
    QTest::newRow("delete middle selects last")
        << u"remove"_s << abc << 1 << QStringList{u"a"_s, u"c"_s} << 1 << true;
    QTest::newRow("delete the only item")
        << u"remove"_s << QStringList{u"a"_s} << 0 << QStringList{} << -1 << true;
    QTest::newRow("delete without selection") << u"remove"_s << abc << -1 << abc << -1 << false;
    QTest::newRow("clear") << u"clear"_s << abc << 2 << QStringList{} << -1 << true;
    QTest::newRow("clear empty") << u"clear"_s << QStringList{} << -1 << QStringList{} << -1 << false;
    QTest::newRow("up") << u"up"_s << abc << 2 << QStringList{u"a"_s, u"c"_s, u"b"_s} << 1 << true;
    QTest::newRow("up the first") << u"up"_s << abc << 0 << abc << 0 << false;
    QTest::newRow("up without selection") << u"up"_s << abc << -1 << abc << -1 << false;
    QTest::newRow("down") << u"down"_s << abc << 0 << QStringList{u"b"_s, u"a"_s, u"c"_s} << 1 << true;
    QTest::newRow("down the last") << u"down"_s << abc << 2 << abc << 2 << false;
    QTest::newRow("down a single item")
        << u"down"_s << QStringList{u"a"_s} << 0 << QStringList{u"a"_s} << 0 << false;
}

void TestDailyPlanState::listEditing_buttons()
{
    QFETCH(QString, button);
    QFETCH(QStringList, before);
    QFETCH(int, selected);
    QFETCH(QStringList, after);
    QFETCH(int, selectedAfter);
    QFETCH(bool, changed);
    QStringList items = before;
    ListEditing::Outcome o;
    if (button.startsWith(u"append"_s))
        o = ListEditing::append(items, button.endsWith(u"empty"_s) ? QString() : u"x"_s,
                                button.section(u' ', 1).toInt() ? button.section(u' ', 1).toInt() : 24);
    else if (button == u"remove"_s)
        o = ListEditing::remove(items, selected);
    else if (button == u"clear"_s)
        o = ListEditing::clear(items);
    else if (button == u"up"_s)
        o = ListEditing::moveUp(items, selected);
    else
        o = ListEditing::moveDown(items, selected);
    QCOMPARE(items, after);
    QCOMPARE(o.changed, changed);
    QCOMPARE(o.selected, selectedAfter);
}

void TestDailyPlanState::listsFromDialog_cutToCapacityAndSize()
{
    const QString kanji40 = QString(20, QChar(0x65E5)); // 40 bytes
    const ListEntries e =
        ListEntries::fromLists(QStringList(30, kanji40), {QString(70, u'c')}, {u"t1"_s}, {});
    QCOMPARE(e.keywordList().size(), 24);
    QCOMPARE(e.keywords[0], QString(15, QChar(0x65E5))); // 31 bytes: the half character goes
    QCOMPARE(e.contents[0], QString(63, u'c'));
    QCOMPARE(e.title1List(), QStringList{u"t1"_s});
    QVERIFY(e.title2List().isEmpty());
}

QTEST_GUILESS_MAIN(TestDailyPlanState)
#include "tst_dailyplanstate.moc"
