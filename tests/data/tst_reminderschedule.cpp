#include "data/DaySerial.h"
#include "data/JobDigest.h"
#include "data/ReminderSchedule.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// Days and moments of May 2024 as "15 10:25".
QDateTime at(const QString &text)
{
    return QDateTime(QDate(2024, 5, text.section(u' ', 0, 0).toInt()),
                     QTime::fromString(text.section(u' ', 1, 1), u"HH:mm"_s));
}

// "15 0:30 会議" is a pad in the file of the 15th at 0:30 on the plan's clock; "✓" after the
// keyword marks it completed.
void addPad(std::array<SchedulePads, 2> &files, const QDate &planDay, const QString &spec)
{
    const QStringList words = spec.split(u' ');
    const int file = words[0].toInt() - planDay.day();
    if (file < 0 || file > 1)
        return;
    SchedulePads &pads = files[size_t(file)];
    const auto slot = size_t(std::count_if(pads.begin(), pads.end(), [](auto &p) { return p.hasTimes(); }));
    const QTime time = QTime::fromString(words[1], u"H:mm"_s);
    SchedulePadRecord &pad = pads[slot];
    pad.padNo = int(slot) + 1;
    pad.startHour = time.hour() % 12;
    pad.startPM = time.hour() >= 12;
    pad.startMinute = time.minute();
    pad.keyword = words[2];
    pad.completed = words.size() > 3;
}

} // namespace

class TestReminderSchedule : public QObject
{
    Q_OBJECT
private slots:
    void announces_data();
    void announces();
    void snooze_announcesAgainAfterFiveMinutes();
    void jobDigest_data();
    void jobDigest();
};

// Each row: the pads, what an earlier run announced, the moments the clock shows when the timer
// fires (the first is the first look after the start), what each announces and the moment the
// timer is then set for.
void TestReminderSchedule::announces_data()
{
    QTest::addColumn<QStringList>("pads");
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QStringList>("looks");
    QTest::addColumn<QStringList>("announced");
    QTest::addColumn<QString>("next");
    QTest::newRow("pad five minutes before, once")
        << QStringList{u"15 10:30 会議"_s} << QStringList{}
        << QStringList{u"15 08:00"_s, u"15 10:24"_s, u"15 10:25"_s, u"15 10:27"_s}
        << QStringList{u"jobs 15"_s, QString(), u"10:30 会議"_s, QString()} << u"16 06:00"_s;
    QTest::newRow("next moment is the pad's")
        << QStringList{u"15 10:30 会議"_s} << QStringList{} << QStringList{u"15 08:00"_s}
        << QStringList{u"jobs 15"_s} << u"15 10:25"_s;
    QTest::newRow("suspend over a start: that pad never, the next one late")
        << QStringList{u"15 10:30 A"_s, u"15 10:45 B"_s} << QStringList{}
        << QStringList{u"15 10:00"_s, u"15 10:42"_s} << QStringList{u"jobs 15"_s, u"10:45 B"_s}
        << u"16 06:00"_s;
    QTest::newRow("started within the lead: at the first look")
        << QStringList{u"15 10:30 A"_s} << QStringList{} << QStringList{u"15 10:28"_s}
        << QStringList{u"jobs 15, 10:30 A"_s} << u"16 06:00"_s;
    QTest::newRow("small hours belong to the file's day")
        << QStringList{u"15 0:30 Late"_s, u"16 0:30 Later"_s} << QStringList{}
        << QStringList{u"15 23:00"_s, u"16 00:25"_s, u"16 00:26"_s}
        << QStringList{u"jobs 15"_s, u"0:30 Late"_s, QString()} << u"16 06:00"_s;
    QTest::newRow("next day's 6:02 pad before its 6:00")
        << QStringList{u"16 6:02 Early"_s} << QStringList{} << QStringList{u"15 20:00"_s, u"16 05:57"_s}
        << QStringList{u"jobs 15"_s, u"6:02 Early"_s} << u"16 06:00"_s;
    QTest::newRow("noon is 12 PM") << QStringList{u"15 12:00 Lunch"_s} << QStringList{}
                                   << QStringList{u"15 11:55"_s} << QStringList{u"jobs 15, 12:00 Lunch"_s}
                                   << u"16 06:00"_s;
    QTest::newRow("completed pad is quiet")
        << QStringList{u"15 10:30 Done ✓"_s} << QStringList{} << QStringList{u"15 10:26"_s}
        << QStringList{u"jobs 15"_s} << u"16 06:00"_s;
    QTest::newRow("restart repeats nothing")
        << QStringList{u"15 10:30 A"_s} << QStringList{u"jobs 2024-05-15"_s, u"pad 2024-05-15 1 10:30"_s}
        << QStringList{u"15 10:26"_s} << QStringList{QString()} << u"16 06:00"_s;
    QTest::newRow("moved pad is announced anew")
        << QStringList{u"15 10:40 A"_s} << QStringList{u"pad 2024-05-15 1 10:30"_s}
        << QStringList{u"15 10:36"_s} << QStringList{u"jobs 15, 10:40 A"_s} << u"16 06:00"_s;
    QTest::newRow("clock set back repeats nothing")
        << QStringList{u"15 10:30 A"_s} << QStringList{}
        << QStringList{u"15 10:26"_s, u"15 09:00"_s, u"15 10:26"_s}
        << QStringList{u"jobs 15, 10:30 A"_s, QString(), QString()} << u"16 06:00"_s;
    QTest::newRow("jobs at the first look, then at 9:00 each day")
        << QStringList{} << QStringList{}
        << QStringList{u"15 07:00"_s, u"15 09:00"_s, u"16 08:59"_s, u"16 09:00"_s}
        << QStringList{u"jobs 15"_s, QString(), QString(), u"jobs 16"_s} << u"17 06:00"_s;
    QTest::newRow("jobs after a suspend past 9:00")
        << QStringList{} << QStringList{} << QStringList{u"15 07:00"_s, u"17 11:00"_s}
        << QStringList{u"jobs 15"_s, u"jobs 17"_s} << u"18 06:00"_s;
}

void TestReminderSchedule::announces()
{
    QFETCH(QStringList, pads);
    QFETCH(QStringList, before);
    QFETCH(QStringList, looks);
    QFETCH(QStringList, announced);
    QFETCH(QString, next);
    ReminderSchedule schedule;
    schedule.restoreAnnounced(before);
    schedule.setFirstLook(at(looks.first()));
    QStringList seen;
    QDateTime now;
    for (const QString &look : looks) {
        now = at(look);
        // As the controller does: the plan in force when the timer fires.
        const QDate day = ReminderSchedule::planDayOf(now);
        std::array<SchedulePads, 2> files{};
        for (const QString &pad : pads)
            addPad(files, day, pad);
        schedule.setPlan(day, files[0], files[1]);
        QStringList titles;
        for (const Reminder &r : schedule.takeDue(now))
            titles << (r.kind == Reminder::Kind::Jobs ? u"jobs "_s + QString::number(r.day.day()) : r.title);
        seen << titles.join(u", "_s);
    }
    QCOMPARE(seen, announced);
    QCOMPARE(schedule.nextMoment(now), at(next));
    // What a restart reads back holds everything announced.
    ReminderSchedule restarted;
    restarted.restoreAnnounced(schedule.announced(now.date()));
    restarted.setPlan(schedule.planDay(), {}, {});
    restarted.setFirstLook(now);
    QCOMPARE(restarted.takeDue(now), {});
}

void TestReminderSchedule::snooze_announcesAgainAfterFiveMinutes()
{
    ReminderSchedule schedule;
    std::array<SchedulePads, 2> files{};
    addPad(files, QDate(2024, 5, 15), u"15 10:30 A"_s);
    schedule.setPlan(QDate(2024, 5, 15), files[0], files[1]);
    schedule.setFirstLook(at(u"15 10:25"_s));
    const QList<Reminder> first = schedule.takeDue(at(u"15 10:25"_s));
    QCOMPARE(first.size(), 2);
    schedule.snooze(first.last(), at(u"15 10:30"_s));
    QCOMPARE(schedule.nextMoment(at(u"15 10:26"_s)), at(u"15 10:30"_s));
    const QList<Reminder> again = schedule.takeDue(at(u"15 10:30"_s));
    QCOMPARE(again.size(), 1);
    QCOMPARE(again.first().title, u"10:30 A"_s);
    QCOMPARE(schedule.takeDue(at(u"15 10:35"_s)).size(), 0);
}

// Each row: jobs as "current|previous start end check" in days from today; the counts of jobs
// ending today, overdue and starting today.
void TestReminderSchedule::jobDigest_data()
{
    QTest::addColumn<QStringList>("jobs");
    QTest::addColumn<QList<int>>("counts");
    QTest::newRow("ends today") << QStringList{u"current -3 0 0"_s} << QList<int>{1, 0, 0};
    QTest::newRow("in progress counts") << QStringList{u"current -3 0 2"_s} << QList<int>{1, 0, 0};
    QTest::newRow("done never counts")
        << QStringList{u"current -3 0 1"_s, u"previous -30 -20 1"_s} << QList<int>{0, 0, 0};
    QTest::newRow("overdue from the month before")
        << QStringList{u"previous -30 -20 0"_s} << QList<int>{0, 1, 0};
    QTest::newRow("starts today") << QStringList{u"current 0 3 0"_s} << QList<int>{0, 0, 1};
    QTest::newRow("one day job counts once") << QStringList{u"current 0 0 0"_s} << QList<int>{1, 0, 0};
    QTest::newRow("later job is quiet") << QStringList{u"current 1 5 0"_s} << QList<int>{0, 0, 0};
    QTest::newRow("behind an empty slot is not read")
        << QStringList{u"current 0 0 0"_s, u"current gap"_s, u"current 0 0 0"_s} << QList<int>{1, 0, 0};
}

void TestReminderSchedule::jobDigest()
{
    QFETCH(QStringList, jobs);
    QFETCH(QList<int>, counts);
    const QDate today(2024, 5, 15);
    std::array<MonthFile::Jobs, 2> months{};
    std::array<size_t, 2> used{};
    for (const QString &spec : jobs) {
        const QStringList w = spec.split(u' ');
        const size_t month = w[0] == u"current"_s ? 0 : 1;
        JobRecord &job = months[month][used[month]++];
        if (w[1] == u"gap"_s)
            continue;
        job.title = spec;
        job.startDate = DaySerial::fromDate(today.addDays(w[1].toInt()));
        job.endDate = DaySerial::fromDate(today.addDays(w[2].toInt())) + 0.5;
        job.check = w[3].toInt();
    }
    const JobDigest digest = JobDigest::of(months[0], months[1], today);
    QCOMPARE((QList<int>{digest.endsToday, digest.overdue, digest.startsToday}), counts);
    QCOMPARE(digest.titles.size(), counts[0] + counts[1] + counts[2]);
}

QTEST_GUILESS_MAIN(TestReminderSchedule)
#include "tst_reminderschedule.moc"
