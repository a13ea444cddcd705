// Times what a reminder costs when its moment comes, over the largest realistic case: two full
// months of 60 jobs and two day files of 24 pads each. Everything runs on the GUI thread.
//   bench_reminders [rounds]

#include "data/DailyPlanPaths.h"
#include "data/DaySerial.h"
#include "data/JobDigest.h"
#include "data/ReminderSchedule.h"
#include "data/Session.h"
#include "reminders/ReminderController.h"
#include "support/Fakes.h"
#include "support/TestFolder.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <cstdio>

using namespace Qt::StringLiterals;
using namespace std::chrono_literals;

namespace {

const QDate today(2024, 5, 15);

void writeFullMonth(const TestFolder &folder, const QDate &month)
{
    MonthFile::Jobs jobs{};
    for (int i = 0; i < MonthFile::RecordCount; ++i) {
        JobRecord &j = jobs[size_t(i)];
        j.dataNo = i + 1;
        j.title = u"仕事の名前 "_s + QString::number(i + 1);
        j.startDate = DaySerial::fromDate(QDate(month.year(), month.month(), 1 + i % 28));
        j.endDate = j.startDate + i % 20;
        j.check = i % 3;
    }
    folder.write(MonthFile::fileName(month.year(), month.month()), MonthFile::toBytes(jobs));
}

DayFile fullDay()
{
    DayFile day;
    for (int k = 0; k < PadSlots; ++k) {
        SchedulePadRecord &pad = day.pads[size_t(k)];
        pad.padNo = k + 1;
        pad.startHour = (6 + k) % 12;
        pad.startPM = k >= 6 && k < 18;
        pad.startMinute = 30;
        pad.keyword = u"予定 "_s + QString::number(k + 1);
        pad.content = QString(31, QChar(0x5185));
    }
    return day;
}

template <typename F> void measure(const char *what, int rounds, F &&f)
{
    QElapsedTimer t;
    t.start();
    for (int i = 0; i < rounds; ++i)
        f();
    std::printf("%-48s %10.3f ms per round\n", what, double(t.nsecsElapsed()) / 1e6 / rounds);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 200;

    TestFolder folder;
    writeFullMonth(folder, today);
    writeFullMonth(folder, today.addMonths(-1));
    const DayFile day = fullDay();
    for (int i = 0; i < 2; ++i)
        folder.write(DailyPlanPaths::dayFile({}, today.addDays(i)).mid(1), day.toBytes());

    measure("job summary: read and count two months", rounds,
            [&] { (void)JobDigest::read(folder.path(), today); });
    ReminderSchedule schedule;
    const QDateTime noon(today, QTime(12, 0));
    measure("schedule: 48 pads set, due and next moment", rounds, [&] {
        schedule.setPlan(today, day.pads, day.pads);
        (void)schedule.takeDue(noon);
        (void)schedule.nextMoment(noon);
    });

    // The timer's whole work with nothing changed, then with a day file read anew each time.
    FakeServices fakes;
    fakes.clock.date = today;
    fakes.clock.time = QTime(12, 0);
    const Session session(folder.path());
    ReminderController controller(session, fakes.services);
    controller.start(0ms);
    measure("controller: check, files unchanged", rounds, [&] { controller.check(); });
    int minute = 0;
    measure("controller: check, a day file changed", rounds, [&] {
        DayFile changed = day;
        changed.pads[0].startMinute = ++minute % 60;
        folder.write(DailyPlanPaths::dayFile({}, today).mid(1), changed.toBytes());
        controller.check();
    });
    return 0;
}
