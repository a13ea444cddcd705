#include "data/DaySerial.h"
#include "data/JobDigest.h"
#include "data/ReminderSchedule.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// Moments of May 2024 as "15 10:25".
QDateTime at(const QString &text)
{
    return QDateTime(QDate(2024, 5, text.section(u' ', 0, 0).toInt()),
                     QTime::fromString(text.section(u' ', 1, 1), u"HH:mm"_s));
}

// The files of `planDay` and the day after, from pads as "15 0:30 会議": in the file of the 15th at
// 0:30 on the plan's clock; a "✓" after the keyword marks it completed.
std::array<SchedulePads, 2> dayFiles(const QDate &planDay, const QString &specs)
{
    std::array<SchedulePads, 2> files{};
    std::array<size_t, 2> used{};
    for (const QString &spec : specs.split(u';', Qt::SkipEmptyParts)) {
        const QStringList w = spec.trimmed().split(u' ');
        const int file = w[0].toInt() - planDay.day();
        if (file < 0 || file > 1)
            continue;
        const QTime time = QTime::fromString(w[1], u"H:mm"_s);
        const size_t slot = used[size_t(file)]++;
        SchedulePadRecord &pad = files[size_t(file)][slot];
        pad.padNo = int(slot) + 1;
        std::tie(pad.startHour, pad.startMinute, pad.startPM) =
            std::tuple(time.hour() % 12, time.minute(), time.hour() >= 12);
        pad.keyword = w[2];
        pad.completed = w.size() > 3;
    }
    return files;
}

} // namespace

class TestReminderSchedule : public QObject
{
    Q_OBJECT
private slots:
    void announces_data();
    void announces();
    void jobDigest_data();
    void jobDigest();
};

// Each row: the pads, what an earlier run announced, the moments the clock shows when the timer
// fires with what each announces (the first is the first look after the start), and the moment the
// timer is then set for.
void TestReminderSchedule::announces_data()
{
    QTest::addColumn<QString>("pads");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("looks");
    QTest::addColumn<QString>("next");
    QTest::newRow("pad 5 minutes before, once")
        << u"15 10:30 会議"_s << QString() << u"15 08:00=jobs 15; 15 10:24=; 15 10:25=10:30 会議; 15 10:27="_s
        << u"16 06:00"_s;
    QTest::newRow("next moment: the pad's")
        << u"15 10:30 会議"_s << QString() << u"15 08:00=jobs 15"_s << u"15 10:25"_s;
    QTest::newRow("suspend over a start: that pad never, the next late")
        << u"15 10:30 A; 15 10:45 B"_s << QString() << u"15 10:00=jobs 15; 15 10:42=10:45 B"_s
        << u"16 06:00"_s;
    QTest::newRow("within the lead: at the first look")
        << u"15 10:30 A"_s << QString() << u"15 10:28=jobs 15, 10:30 A"_s << u"16 06:00"_s;
    QTest::newRow("small hours belong to their file's day")
        << u"15 0:30 Late; 16 0:30 Later"_s << QString()
        << u"15 23:00=jobs 15; 16 00:25=0:30 Late; 16 00:26="_s << u"16 06:00"_s;
    QTest::newRow("next day's 6:02 before its 6:00")
        << u"16 6:02 Early"_s << QString() << u"15 20:00=jobs 15; 16 05:57=6:02 Early"_s << u"16 06:00"_s;
    QTest::newRow("noon is 12 PM") << u"15 12:00 Lunch"_s << QString() << u"15 11:55=jobs 15, 12:00 Lunch"_s
                                   << u"16 06:00"_s;
    QTest::newRow("completed pad") << u"15 10:30 Done ✓"_s << QString() << u"15 10:26=jobs 15"_s
                                   << u"16 06:00"_s;
    QTest::newRow("restart repeats nothing")
        << u"15 10:30 A"_s << u"jobs 2024-05-15;pad 2024-05-15 1 10:30"_s << u"15 10:26="_s << u"16 06:00"_s;
    QTest::newRow("moved pad anew") << u"15 10:40 A"_s << u"pad 2024-05-15 1 10:30"_s
                                    << u"15 10:36=jobs 15, 10:40 A"_s << u"16 06:00"_s;
    QTest::newRow("clock set back repeats nothing")
        << u"15 10:30 A"_s << QString() << u"15 10:26=jobs 15, 10:30 A; 15 09:00=; 15 10:26="_s
        << u"16 06:00"_s;
    QTest::newRow("jobs at the first look, then 9:00 daily")
        << QString() << QString() << u"15 07:00=jobs 15; 15 09:00=; 16 08:59=; 16 09:00=jobs 16"_s
        << u"17 06:00"_s;
    QTest::newRow("jobs late after a suspend past 9:00")
        << QString() << QString() << u"15 07:00=jobs 15; 17 11:00=jobs 17"_s << u"18 06:00"_s;
}

void TestReminderSchedule::announces()
{
    QFETCH(QString, pads);
    QFETCH(QString, before);
    QFETCH(QString, looks);
    QFETCH(QString, next);
    ReminderSchedule schedule;
    schedule.restoreAnnounced(before.split(u';', Qt::SkipEmptyParts));
    QDateTime now;
    for (const QString &look : looks.split(u';')) {
        now = at(look.section(u'=', 0, 0).trimmed());
        if (!schedule.planDay().isValid())
            schedule.setFirstLook(now);
        // As the controller does: the files of the plan in force when the timer fires.
        const QDate day = ReminderSchedule::planDayOf(now);
        const std::array<SchedulePads, 2> files = dayFiles(day, pads);
        schedule.setPlan(day, files[0], files[1]);
        QStringList titles;
        for (const Reminder &r : schedule.takeDue(now))
            titles << (r.kind == Reminder::Kind::Jobs ? u"jobs "_s + QString::number(r.day.day()) : r.title);
        QCOMPARE(titles.join(u", "_s), look.section(u'=', 1));
    }
    QCOMPARE(schedule.nextMoment(now), at(next));
}

// Each row: jobs as "current|previous start end check", dates in days from today; the counts of
// jobs ending today, overdue and starting today. "gap" is an empty slot.
void TestReminderSchedule::jobDigest_data()
{
    QTest::addColumn<QString>("jobs");
    QTest::addColumn<QList<int>>("counts");
    QTest::newRow("ends today, in progress or not")
        << u"current -3 0 0; current -1 0 2"_s << QList<int>{2, 0, 0};
    QTest::newRow("done never counts") << u"current -3 0 1; previous -30 -20 1"_s << QList<int>{0, 0, 0};
    QTest::newRow("overdue from the month before") << u"previous -30 -20 0"_s << QList<int>{0, 1, 0};
    QTest::newRow("starts today") << u"current 0 3 0"_s << QList<int>{0, 0, 1};
    QTest::newRow("one-day job counts once") << u"current 0 0 0"_s << QList<int>{1, 0, 0};
    QTest::newRow("later job") << u"current 1 5 0"_s << QList<int>{0, 0, 0};
    QTest::newRow("behind an empty slot")
        << u"current 0 0 0; current gap; current 0 0 0"_s << QList<int>{1, 0, 0};
}

void TestReminderSchedule::jobDigest()
{
    QFETCH(QString, jobs);
    QFETCH(QList<int>, counts);
    const QDate today(2024, 5, 15);
    std::array<MonthFile::Jobs, 2> months{};
    std::array<size_t, 2> used{};
    for (const QString &spec : jobs.split(u';')) {
        const QStringList w = spec.trimmed().split(u' ');
        const size_t month = w[0] == u"current"_s ? 0 : 1;
        JobRecord &job = months[month][used[month]++];
        if (w[1] == u"gap"_s)
            continue;
        job.title = spec;
        job.startDate = DaySerial::fromDate(today.addDays(w[1].toInt()));
        job.endDate = DaySerial::fromDate(today.addDays(w[2].toInt())) + 0.5; // the time of day counts not
        job.check = w[3].toInt();
    }
    const JobDigest digest = JobDigest::of(months[0], months[1], today);
    QCOMPARE((QList<int>{digest.endsToday, digest.overdue, digest.startsToday}), counts);
}

QTEST_GUILESS_MAIN(TestReminderSchedule)
#include "tst_reminderschedule.moc"
