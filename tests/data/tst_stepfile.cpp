#include "data/StepFile.h"
#include "support/StepBytes.h"
#include "support/TestFolder.h"

#include <QDir>
#include <QTest>

#include <cmath>
#include <limits>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(StepKind)
Q_DECLARE_METATYPE(std::optional<StepKind>)
using ChosenStrip = std::optional<std::pair<int, StepKind>>;
Q_DECLARE_METATYPE(ChosenStrip)

namespace {

QByteArray sjis(const char *hex)
{
    return QByteArray::fromHex(hex);
}

JobRecord janJob()
{
    JobRecord j;
    j.dataNo = 7;
    j.entryDate = serial(2005, 1, 10);
    j.title = u"見積書"_s; // 8CA9 90CF 8F91
    j.startDate = serial(2005, 1, 18);
    j.endDate = serial(2005, 2, 4);
    j.comments = u"A\r\nB"_s;
    j.customer = u"K"_s;
    j.jobNo = u"J-1"_s;
    j.jobType = u"T"_s;
    j.check = JobRecord::InProgress;
    return j;
}

} // namespace

class TestStepFile : public QObject
{
    Q_OBJECT
private slots:
    void fileName_isMonthPrefixAndDataNo_data();
    void fileName_isMonthPrefixAndDataNo();
    void newFile_january2005_isByteExact();
    void newFile_monthsAroundJobMonth_data();
    void newFile_monthsAroundJobMonth();
    void fromBytes_readsEveryFieldAtItsOffset();
    void revisionCount_endsAtFirstUnsetSlot_data();
    void revisionCount_endsAtFirstUnsetSlot();
    void shownDay_outOfAnyCalendarIsTheUnsetDay_data();
    void shownDay_outOfAnyCalendarIsTheUnsetDay();
    void groupTitle_cutTo31Bytes_data();
    void groupTitle_cutTo31Bytes();
    void read_shortOrLongFile_restStaysCleared_data();
    void read_shortOrLongFile_restStaysCleared();
    void read_damagedWindow_isRefused_data();
    void read_damagedWindow_isRefused();
    void write_keepsBytesAfterRecord();
    void setPeriod_writesOnlyTheStripsFields_data();
    void setPeriod_writesOnlyTheStripsFields();
    void restorePeriod_revisionOnlyWhenAllFiveUsed_data();
    void restorePeriod_revisionOnlyWhenAllFiveUsed();
    void clearPeriod_unsetsAllButOverallInitial_data();
    void clearPeriod_unsetsAllButOverallInitial();
    void notesOf_historyPagesAndActivePage_data();
    void notesOf_historyPagesAndActivePage();
    void storeNotes_datesAndMemosOfSetPeriodsOnly_data();
    void storeNotes_datesAndMemosOfSetPeriodsOnly();
    void kindServed_chosenStripOfRowOrOverallPlan_data();
    void kindServed_chosenStripOfRowOrOverallPlan();
    void save_goneFile_writtenAnewOverBytesRead();
};

void TestStepFile::fileName_isMonthPrefixAndDataNo_data()
{
    QTest::addColumn<QString>("monthFile");
    QTest::addColumn<int>("dataNo");
    QTest::addColumn<QString>("expected");
    QTest::newRow("january") << u"Y2005JAN.vxf"_s << 7 << u"Y2005JAN7.vxs"_s;
    QTest::newRow("two digits") << u"Y2004DEC.vxf"_s << 60 << u"Y2004DEC60.vxs"_s;
    QTest::newRow("first") << u"Y2005MAY.vxf"_s << 1 << u"Y2005MAY1.vxs"_s;
}

void TestStepFile::fileName_isMonthPrefixAndDataNo()
{
    QFETCH(QString, monthFile);
    QFETCH(int, dataNo);
    QFETCH(QString, expected);
    QCOMPARE(StepFile::fileName(monthFile, dataNo), expected);
}

void TestStepFile::newFile_january2005_isByteExact()
{
    TestFolder folder;
    const QString path = folder.file(u"Y2005JAN7.vxs"_s);
    const StepFile r = StepFile::newFor(janJob(), 2005, 1, serial(2005, 1, 20), path);
    QVERIFY(StepFile::create(path, r));

    StepBytes e;
    e.str(StepBytes::SourcePath, path.toLatin1());
    e.window(2005, 12, 31, 1, 31, 2, 28);
    e.i32(StepBytes::DataNo, 7);
    e.str(StepBytes::Title, sjis("8ca990cf8f91"));
    e.f64(StepBytes::StartDate, serial(2005, 1, 18));
    e.f64(StepBytes::EndDate, serial(2005, 2, 4));
    e.str(StepBytes::Comments, "A\r\nB");
    e.str(StepBytes::Customer, "K");
    e.str(StepBytes::JobNo, "J-1");
    e.str(StepBytes::JobType, "T");
    e.unsetAllDates();
    e.f64(StepBytes::group(0) + StepBytes::PlanStart, serial(2005, 1, 18));
    e.f64(StepBytes::group(0) + StepBytes::PlanEnd, serial(2005, 2, 4));
    e.f64(StepBytes::group(0) + StepBytes::PlanDate, serial(2005, 1, 20));

    const QByteArray written = folder.read(u"Y2005JAN7.vxs"_s);
    QCOMPARE(written.size(), 12672);
    for (int i = 0; i < written.size(); ++i) {
        if (written[i] != e.bytes[i])
            QFAIL(qPrintable(u"first difference at byte %1"_s.arg(i)));
    }
}

void TestStepFile::newFile_monthsAroundJobMonth_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<QList<int>>("expected"); // before, days, base, days, after, days

    QTest::newRow("january 2005") << 2005 << 1 << QList<int>{12, 31, 1, 31, 2, 28};
    QTest::newRow("leap february") << 2004 << 2 << QList<int>{1, 31, 2, 29, 3, 31};
    QTest::newRow("december") << 2005 << 12 << QList<int>{11, 30, 12, 31, 1, 31};
    QTest::newRow("leap february after january") << 2008 << 1 << QList<int>{12, 31, 1, 31, 2, 29};
}

void TestStepFile::newFile_monthsAroundJobMonth()
{
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(QList<int>, expected);
    const QByteArray b = StepFile::newFor(JobRecord(), year, month, 0.0, {}).toBytes();
    const int offsets[] = {StepBytes::BeforeMonth, StepBytes::BeforeDays, StepBytes::BaseMonth,
                           StepBytes::BaseDays,    StepBytes::AfterMonth, StepBytes::AfterDays};
    QCOMPARE(qFromLittleEndian<qint32>(b.constData() + StepBytes::BaseYear), year);
    for (int i = 0; i < 6; ++i)
        QCOMPARE(qFromLittleEndian<qint32>(b.constData() + offsets[i]), expected[i]);
}

void TestStepFile::fromBytes_readsEveryFieldAtItsOffset()
{
    StepBytes b;
    b.window(2005, 12, 31, 1, 31, 2, 28);
    b.i32(StepBytes::DataNo, 12);
    b.str(StepBytes::Customer, sjis("8cda8b71")); // 顧客
    b.f64(StepBytes::EndDate, 38400.0);
    b.unsetAllDates();
    const int g3 = StepBytes::group(3);
    b.str(g3 + StepBytes::GroupTitle, "design");
    b.f64(g3 + StepBytes::PlanStart, 38360.0);
    b.f64(g3 + StepBytes::PlanDate, 38361.0);
    b.str(g3 + StepBytes::PlanMemo, "plan");
    b.f64(g3 + StepBytes::RevStart + 8 * 2, 38370.0);
    b.f64(g3 + StepBytes::RevEnd + 8 * 2, 38371.0);
    b.f64(g3 + StepBytes::RevDate + 8 * 2, 38372.0);
    b.str(g3 + StepBytes::RevMemo + 256 * 2, "third");
    b.str(g3 + StepBytes::RevMemo + 256 * 4, "fifth");
    b.f64(g3 + StepBytes::ActualEnd, 38380.0);
    b.str(g3 + StepBytes::ActualMemo, "done");
    b.str(StepBytes::group(5) + StepBytes::ActualMemo, "last");

    const StepFile r = StepFile::fromBytes(b.bytes);
    QCOMPARE(r.months, StepMonths::around(2005, 1));
    QCOMPARE(r.dataNo, 12);
    QCOMPARE(r.customer, u"顧客"_s);
    const StepGroup &g = r.groups[3];
    QCOMPARE(g.planDate, 38361.0);
    QCOMPARE(g.revStart[2], 38370.0);
    QCOMPARE(g.revDate[2], 38372.0);
    QCOMPARE(g.revMemo[4], u"fifth"_s);
    QCOMPARE(g.actualMemo, u"done"_s);
    QCOMPARE(r.groups[5].actualMemo, u"last"_s);
    // Written back field by field, the image is the same: every field sits where it was read.
    QCOMPARE(r.toBytes(), b.bytes);
}

void TestStepFile::revisionCount_endsAtFirstUnsetSlot_data()
{
    QTest::addColumn<QList<bool>>("set");
    QTest::addColumn<int>("expected");
    QTest::newRow("none") << QList<bool>{false, false, false, false, false} << 0;
    QTest::newRow("gap after two") << QList<bool>{true, true, false, true, true} << 2;
    QTest::newRow("first unset") << QList<bool>{false, true, true, true, true} << 0;
    QTest::newRow("four") << QList<bool>{true, true, true, true, false} << 4;
    QTest::newRow("all five") << QList<bool>{true, true, true, true, true} << 5;
}

void TestStepFile::revisionCount_endsAtFirstUnsetSlot()
{
    QFETCH(QList<bool>, set);
    QFETCH(int, expected);
    StepBytes b;
    b.window(2005, 12, 31, 1, 31, 2, 28);
    b.unsetAllDates();
    for (int i = 0; i < 5; ++i) {
        if (set[i])
            b.f64(StepBytes::group(2) + StepBytes::RevStart + 8 * i, 38360.0 + i);
    }
    QCOMPARE(StepFile::fromBytes(b.bytes).groups[2].revisionCount(), expected);
}

void TestStepFile::shownDay_outOfAnyCalendarIsTheUnsetDay_data()
{
    QTest::addColumn<double>("serial");
    QTest::addColumn<QDate>("expected");
    const QDate unset(2005, 1, 1);
    QTest::newRow("a day, its time dropped") << serial(2005, 1, 18) + 0.75 << QDate(2005, 1, 18);
    QTest::newRow("year 100") << -657434.0 + 0.5 << QDate(100, 1, 1);
    QTest::newRow("year 9999") << 2958465.0 << QDate(9999, 12, 31);
    QTest::newRow("before year 100") << -657434.0 << unset;
    QTest::newRow("after year 9999") << 2958466.0 << unset;
    QTest::newRow("not a number") << std::nan("") << unset;
    QTest::newRow("infinite") << -std::numeric_limits<double>::infinity() << unset;
}

void TestStepFile::shownDay_outOfAnyCalendarIsTheUnsetDay()
{
    QFETCH(double, serial);
    QFETCH(QDate, expected);
    QCOMPARE(StepGroup::shownDay(serial), expected);
}

void TestStepFile::groupTitle_cutTo31Bytes_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<QByteArray>("stored");
    const QByteArray kanji = sjis("8ca9"); // 見
    QTest::newRow("31 ascii") << QString(31, u'a') << QByteArray(31, 'a');
    QTest::newRow("40 ascii") << QString(40, u'b') << QByteArray(31, 'b');
    QTest::newRow("16 kanji stop at 15") << QString(16, u'見') << kanji.repeated(15);
}

void TestStepFile::groupTitle_cutTo31Bytes()
{
    QFETCH(QString, title);
    QFETCH(QByteArray, stored);
    StepFile r = StepFile::newFor(JobRecord(), 2005, 1, 0.0, {});
    r.groups[4].groupTitle = title;
    const QByteArray b = r.toBytes();
    const int o = StepBytes::group(4) + StepBytes::GroupTitle;
    QCOMPARE(int(quint8(b[o])), stored.size());
    QCOMPARE(b.mid(o + 1, stored.size()), stored);
    // The next field is untouched.
    QCOMPARE(StepBytes::readF64(b, StepBytes::group(4) + StepBytes::PlanStart), 38353.0);
}

void TestStepFile::read_shortOrLongFile_restStaysCleared_data()
{
    QTest::addColumn<int>("size");
    QTest::newRow("header only") << 720;
    QTest::newRow("cut inside group 2") << 720 + 1992 * 2 + 100;
    QTest::newRow("exact") << 12672;
    QTest::newRow("longer") << 13000;
}

void TestStepFile::read_shortOrLongFile_restStaysCleared()
{
    QFETCH(int, size);
    StepBytes b;
    b.window(2005, 12, 31, 1, 31, 2, 28);
    b.unsetAllDates();
    b.str(StepBytes::Title, "job");
    b.str(StepBytes::group(1) + StepBytes::GroupTitle, "step one");
    b.str(StepBytes::group(5) + StepBytes::GroupTitle, "step five");
    QByteArray file = b.bytes;
    file.resize(size, 'x');
    TestFolder folder;
    folder.write(u"a.vxs"_s, file);

    // The record holds an earlier file's data; none of it may survive the read.
    StepFile r = StepFile::newFor(janJob(), 2004, 6, 38000.0, u"/old"_s);
    for (StepGroup &g : r.groups) {
        g.groupTitle = u"old"_s;
        g.actualStart = 38100.0;
        g.actualMemo = u"old"_s;
    }
    QVERIFY(StepFile::read(folder.file(u"a.vxs"_s), &r));

    QCOMPARE(r.months, StepMonths::around(2005, 1));
    QCOMPARE(r.title, u"job"_s);
    QCOMPARE(r.sourcePath, QString());
    QCOMPARE(r.groups[0].planStart, StepFile::UnsetDate);
    QCOMPARE(r.groups[1].groupTitle, size > 720 ? u"step one"_s : QString());
    QCOMPARE(r.groups[5].groupTitle, size >= 12672 ? u"step five"_s : QString());
    for (const StepGroup &g : r.groups) {
        QCOMPARE(g.actualStart, StepFile::UnsetDate);
        QCOMPARE(g.actualMemo, QString());
    }
}

void TestStepFile::read_damagedWindow_isRefused_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<QList<int>>("window"); // base year, before, days, base, days, after, days
    QTest::newRow("empty file") << 0 << QList<int>{2005, 12, 31, 1, 31, 2, 28};
    QTest::newRow("february 29 in 2005") << 12672 << QList<int>{2005, 1, 31, 2, 29, 3, 31};
}

void TestStepFile::read_damagedWindow_isRefused()
{
    QFETCH(int, size);
    QFETCH(QList<int>, window);
    StepBytes b;
    b.window(window[0], window[1], window[2], window[3], window[4], window[5], window[6]);
    TestFolder folder;
    folder.write(u"bad.vxs"_s, b.bytes.left(size));
    StepFile r;
    r.title = u"kept"_s;
    const SafeFile::Result result = StepFile::read(folder.file(u"bad.vxs"_s), &r);
    QVERIFY(!result.ok);
    QVERIFY(!result.error.isEmpty());
    QCOMPARE(r.title, u"kept"_s);
}

void TestStepFile::write_keepsBytesAfterRecord()
{
    TestFolder folder;
    folder.write(u"a.vxs"_s, QByteArray(12672, 'o') + QByteArray(300, 't'));
    StepFile r = StepFile::newFor(janJob(), 2005, 1, 38372.0, u"/p"_s);
    r.groups[2].groupTitle = u"new"_s;
    QVERIFY(StepFile::write(folder.file(u"a.vxs"_s), r));
    const QByteArray after = folder.read(u"a.vxs"_s);
    QCOMPARE(after.size(), 12972);
    QCOMPARE(after.left(12672), r.toBytes());
    QCOMPARE(after.mid(12672), QByteArray(300, 't'));
}

namespace {

// Group 1 of a file whose every date is unset, with `revisions` stored revisions.
StepBytes stepBytes(int revisions)
{
    StepBytes b;
    b.window(2005, 12, 31, 1, 31, 2, 28);
    b.unsetAllDates();
    const int g = StepBytes::group(1);
    for (int i = 0; i < revisions; ++i) {
        b.f64(g + StepBytes::RevStart + 8 * i, serial(2005, 1, 3 + i));
        b.f64(g + StepBytes::RevEnd + 8 * i, serial(2005, 1, 10 + i));
        b.f64(g + StepBytes::RevDate + 8 * i, serial(2004, 12, 20 + i));
        b.str(g + StepBytes::RevMemo + 256 * i, QByteArray("rev") + char('1' + i));
    }
    return b;
}

double dateOf(const StepGroup &g, StepKind kind)
{
    return kind == StepKind::Initial ? g.planDate : kind == StepKind::Actual ? g.actualDate : g.revDate[0];
}

QString memoOf(const StepGroup &g, StepKind kind)
{
    return kind == StepKind::Initial ? g.planMemo : kind == StepKind::Actual ? g.actualMemo : g.revMemo[0];
}

} // namespace

void TestStepFile::setPeriod_writesOnlyTheStripsFields_data()
{
    QTest::addColumn<StepKind>("kind");
    QTest::addColumn<int>("revisions");
    QTest::addColumn<int>("startField"); // offset in the group; the end field follows the layout
    QTest::addColumn<int>("endField");
    QTest::newRow("initial") << StepKind::Initial << 2 << StepBytes::PlanStart << StepBytes::PlanEnd;
    QTest::newRow("first revision") << StepKind::Revised << 0 << StepBytes::RevStart << StepBytes::RevEnd;
    QTest::newRow("third after two") << StepKind::Revised << 2 << StepBytes::RevStart + 16
                                     << StepBytes::RevEnd + 16;
    QTest::newRow("fifth replaced when all used")
        << StepKind::Revised << 5 << StepBytes::RevStart + 32 << StepBytes::RevEnd + 32;
    QTest::newRow("actual") << StepKind::Actual << 2 << StepBytes::ActualStart << StepBytes::ActualEnd;
}

void TestStepFile::setPeriod_writesOnlyTheStripsFields()
{
    QFETCH(StepKind, kind);
    QFETCH(int, revisions);
    QFETCH(int, startField);
    QFETCH(int, endField);
    StepBytes expected = stepBytes(revisions);
    QByteArray image = expected.bytes;
    StepFile f = StepFile::fromBytes(image);
    QCOMPARE(f.groups[1].revisionCount(), revisions);
    const StepPeriod period{serial(2005, 2, 1), serial(2005, 2, 9)};
    f.groups[1].setPeriod(kind, revisions, period);
    QCOMPARE(f.groups[1].period(kind, revisions), period);
    f.writeInto(image);
    expected.f64(StepBytes::group(1) + startField, period.start);
    expected.f64(StepBytes::group(1) + endField, period.end);
    QCOMPARE(image, expected.bytes);
}

void TestStepFile::restorePeriod_revisionOnlyWhenAllFiveUsed_data()
{
    QTest::addColumn<StepKind>("kind");
    QTest::addColumn<int>("revisions");
    QTest::addColumn<bool>("restored");
    QTest::newRow("initial") << StepKind::Initial << 0 << true;
    QTest::newRow("actual") << StepKind::Actual << 0 << true;
    QTest::newRow("revision with four stored") << StepKind::Revised << 4 << false;
    QTest::newRow("fifth revision") << StepKind::Revised << 5 << true;
}

void TestStepFile::restorePeriod_revisionOnlyWhenAllFiveUsed()
{
    QFETCH(StepKind, kind);
    QFETCH(int, revisions);
    QFETCH(bool, restored);
    StepGroup loaded = StepFile::fromBytes(stepBytes(revisions).bytes).groups[1];
    loaded.planStart = loaded.actualStart = serial(2005, 1, 5);
    loaded.planEnd = loaded.actualEnd = serial(2005, 1, 8);
    StepGroup working = loaded;
    const StepPeriod dragged{serial(2005, 2, 1), serial(2005, 2, 2)};
    working.setPeriod(kind, revisions, dragged);
    working.planDate = serial(2005, 2, 3); // dates are never taken back

    const std::optional<StepPeriod> back = working.restorePeriod(kind, revisions, loaded);
    QCOMPARE(back.has_value(), restored);
    QCOMPARE(working.period(kind, revisions), restored ? loaded.period(kind, revisions) : dragged);
    QCOMPARE(working.planDate, serial(2005, 2, 3));
}

void TestStepFile::clearPeriod_unsetsAllButOverallInitial_data()
{
    QTest::addColumn<int>("group");
    QTest::addColumn<StepKind>("kind");
    QTest::addColumn<bool>("cleared");
    QTest::newRow("overall initial is the job's") << 0 << StepKind::Initial << false;
    QTest::newRow("overall revision") << 0 << StepKind::Revised << true;
    QTest::newRow("step initial") << 3 << StepKind::Initial << true;
    QTest::newRow("step actual") << 5 << StepKind::Actual << true;
}

void TestStepFile::clearPeriod_unsetsAllButOverallInitial()
{
    QFETCH(int, group);
    QFETCH(StepKind, kind);
    QFETCH(bool, cleared);
    StepFile f = StepFile::newFor(janJob(), 2005, 1, 38372.0, u"/p"_s);
    const StepPeriod set{serial(2005, 1, 20), serial(2005, 1, 22)};
    f.groups[group].setPeriod(kind, 0, set);
    f.groups[group].planMemo = u"stays"_s;
    QCOMPARE(f.clearPeriod(group, kind, 0), cleared);
    QCOMPARE(f.groups[group].period(kind, 0), cleared ? StepPeriod{} : set);
    QCOMPARE(f.groups[group].planMemo, u"stays"_s);
}

void TestStepFile::notesOf_historyPagesAndActivePage_data()
{
    QTest::addColumn<StepKind>("kind");
    QTest::addColumn<int>("revisions");
    QTest::addColumn<bool>("dragged"); // a period set in the working copy since the opening
    QTest::addColumn<int>("entries");
    QTest::addColumn<int>("selected");
    QTest::addColumn<int>("shownPages");
    QTest::addColumn<int>("active");
    QTest::addColumn<int>("filledPages");
    QTest::newRow("initial never dragged") << StepKind::Initial << 0 << false << 0 << -1 << 1 << 0 << 0;
    QTest::newRow("initial just dragged") << StepKind::Initial << 0 << true << 0 << -1 << 1 << 0 << 1;
    QTest::newRow("no revision") << StepKind::Revised << 0 << false << 0 << -1 << 1 << 0 << 0;
    QTest::newRow("two revisions") << StepKind::Revised << 2 << false << 2 << 1 << 3 << 1 << 2;
    QTest::newRow("two revisions and a drag") << StepKind::Revised << 2 << true << 2 << 1 << 3 << 1 << 3;
    QTest::newRow("all five") << StepKind::Revised << 5 << false << 5 << 4 << 5 << 4 << 5;
}

void TestStepFile::notesOf_historyPagesAndActivePage()
{
    QFETCH(StepKind, kind);
    QFETCH(int, revisions);
    QFETCH(bool, dragged);
    QFETCH(int, entries);
    QFETCH(int, selected);
    QFETCH(int, shownPages);
    QFETCH(int, active);
    QFETCH(int, filledPages);
    const StepGroup loaded = StepFile::fromBytes(stepBytes(revisions).bytes).groups[1];
    StepGroup working = loaded;
    working.planDate = working.revDate[revisions % 5] = serial(2005, 3, 3);
    working.planMemo = working.revMemo[revisions % 5] = u"new"_s;
    if (dragged)
        working.setPeriod(kind, revisions, {serial(2005, 2, 1), serial(2005, 2, 2)});
    // A memo of a stored revision edited in this opening shows as edited.
    if (revisions > 0)
        working.revMemo[0] = u"edited"_s;

    const StepNotes notes = StepNotes::of(loaded, working, kind, revisions);
    QCOMPARE(notes.history.size(), entries);
    if (entries > 0)
        QCOMPARE(notes.history.last(),
                 (StepPeriod{loaded.revStart[entries - 1], loaded.revEnd[entries - 1]}));
    QCOMPARE(notes.selectedEntry, selected);
    QCOMPARE(notes.shownPages, shownPages);
    QCOMPARE(notes.activePage, active);
    int filled = 0;
    for (const StepNotes::Page &page : notes.pages)
        filled += page.date != StepGroup::UnsetDate;
    QCOMPARE(filled, filledPages);
    if (revisions > 0)
        QCOMPARE(notes.pages[0].memo, u"edited"_s);
}

void TestStepFile::storeNotes_datesAndMemosOfSetPeriodsOnly_data()
{
    QTest::addColumn<StepKind>("kind");
    QTest::addColumn<int>("shownPages");
    QTest::addColumn<bool>("periodSet");
    QTest::addColumn<bool>("stored");
    QTest::newRow("initial set") << StepKind::Initial << 1 << true << true;
    QTest::newRow("initial unset drops what was typed") << StepKind::Initial << 1 << false << false;
    QTest::newRow("actual set") << StepKind::Actual << 1 << true << true;
    QTest::newRow("revision on its page") << StepKind::Revised << 1 << true << true;
    QTest::newRow("revision page not shown stays") << StepKind::Revised << 0 << true << false;
}

void TestStepFile::storeNotes_datesAndMemosOfSetPeriodsOnly()
{
    QFETCH(StepKind, kind);
    QFETCH(int, shownPages);
    QFETCH(bool, periodSet);
    QFETCH(bool, stored);
    StepGroup g;
    const double old = serial(2004, 1, 1);
    g.planDate = g.actualDate = g.revDate[0] = old;
    g.planMemo = g.actualMemo = g.revMemo[0] = u"old"_s;
    if (periodSet)
        g.setPeriod(kind, 0, {serial(2005, 1, 3), serial(2005, 1, 4)});
    std::array<StepNotes::Page, 5> pages{};
    pages[0] = {serial(2005, 1, 9), QString(200, u'メ')}; // 400 bytes: cut to 255 as stored
    StepNotes::store(g, kind, shownPages, pages);
    QCOMPARE(dateOf(g, kind), stored ? serial(2005, 1, 9) : periodSet ? old : StepGroup::UnsetDate);
    QCOMPARE(memoOf(g, kind), stored ? QString(127, u'メ') : periodSet ? u"old"_s : QString());

    // A date on the day already stored keeps its time of day.
    const double withTime = serial(2005, 1, 9) + 0.5;
    g.planDate = g.actualDate = g.revDate[0] = withTime;
    StepNotes::store(g, kind, shownPages, pages);
    QCOMPARE(dateOf(g, kind), periodSet ? withTime : StepGroup::UnsetDate);
}

void TestStepFile::kindServed_chosenStripOfRowOrOverallPlan_data()
{
    using Chosen = ChosenStrip;
    QTest::addColumn<int>("row");
    QTest::addColumn<Chosen>("chosen");
    QTest::addColumn<std::optional<StepKind>>("served");
    QTest::newRow("overall, nothing chosen") << 0 << Chosen() << std::optional(StepKind::Initial);
    QTest::newRow("overall revision")
        << 0 << Chosen({0, StepKind::Revised}) << std::optional(StepKind::Revised);
    QTest::newRow("overall while a step is chosen")
        << 0 << Chosen({2, StepKind::Actual}) << std::optional<StepKind>();
    QTest::newRow("step, nothing chosen") << 3 << Chosen() << std::optional<StepKind>();
    QTest::newRow("step's own actual")
        << 3 << Chosen({3, StepKind::Actual}) << std::optional(StepKind::Actual);
    QTest::newRow("another step's strip") << 3 << Chosen({4, StepKind::Initial}) << std::optional<StepKind>();
}

void TestStepFile::kindServed_chosenStripOfRowOrOverallPlan()
{
    QFETCH(int, row);
    QFETCH(ChosenStrip, chosen);
    QFETCH(std::optional<StepKind>, served);
    QCOMPARE(StepNotes::kindServed(row, chosen), served);
}

void TestStepFile::save_goneFile_writtenAnewOverBytesRead()
{
    TestFolder folder;
    const QString path = folder.file(u"STEP/a.vxs"_s);
    QVERIFY(QDir().mkpath(folder.file(u"STEP"_s)));
    QByteArray bytes = stepBytes(2).bytes;
    bytes[StepBytes::Title + 5] = 'z'; // after the text: of no meaning, yet kept
    folder.write(u"STEP/a.vxs"_s, bytes);
    StepFile f;
    SafeFile::Snapshot snapshot;
    QVERIFY(StepFile::read(path, &f, &snapshot));
    f.groups[1].planMemo = u"m"_s;

    // The folder itself may have gone.
    QVERIFY(QDir(folder.file(u"STEP"_s)).removeRecursively());
    const StepFile::SaveOutcome saved = StepFile::save(path, f, &snapshot);
    QVERIFY(saved.result);
    QVERIFY(saved.recreated);
    QByteArray expected = bytes;
    f.writeInto(expected);
    QCOMPARE(folder.read(u"STEP/a.vxs"_s), expected);
    QCOMPARE(snapshot.head, expected);

    // Saved again, the file is there: written over as usual.
    QVERIFY(!StepFile::save(path, f, &snapshot).recreated);
}

QTEST_GUILESS_MAIN(TestStepFile)
#include "tst_stepfile.moc"
