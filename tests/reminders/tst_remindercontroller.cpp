#include "reminders/ReminderController.h"

#include "data/DailyPlanPaths.h"
#include "data/DaySerial.h"
#include "data/Session.h"
#include "support/Fakes.h"
#include "support/TestFolder.h"

#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace std::chrono_literals;

namespace {

const QDate today(2024, 5, 15);

// Today's day file with one morning pad, written in place as another program might.
void writeDay(const TestFolder &folder, int hour, int minute)
{
    DayFile day;
    SchedulePadRecord &pad = day.pads[0];
    std::tie(pad.padNo, pad.startHour, pad.startMinute) = std::tuple(1, hour, minute);
    std::tie(pad.keyword, pad.content) = std::tuple(u"会議"_s, u"第 3 会議室"_s);
    folder.write(DailyPlanPaths::dayFile({}, today).mid(1), day.toBytes());
}

} // namespace

class TestReminderController : public QObject
{
    Q_OBJECT
private slots:
    void remindsActsAndRemembers();
};

void TestReminderController::remindsActsAndRemembers()
{
    TestFolder folder;
    FakeServices fakes;
    fakes.clock.date = today;
    MonthFile::Jobs month{};
    month[0].title = u"図面"_s;
    std::tie(month[0].startDate, month[0].endDate) =
        std::tuple(DaySerial::fromDate(today) - 5, DaySerial::fromDate(today));
    folder.write(MonthFile::fileName(2024, 5), MonthFile::toBytes(month));
    writeDay(folder, 10, 30);
    const Session session(folder.path());
    const QList<Notifier::Message> &shown = fakes.notifier.shown;
    ReminderController controller(session, fakes.services);
    QSignalSpy jobsShown(&controller, &ReminderController::showJobsRequested);
    QSignalSpy planOpened(&controller, &ReminderController::openPlanRequested);

    fakes.clock.time = QTime(10, 0);
    controller.start(0ms);
    QCOMPARE(shown.size(), 1);
    QVERIFY2(shown[0].title.startsWith(u"本日終了予定: 1 件"_s), qPrintable(shown[0].title));
    QCOMPARE(shown[0].body, u"図面"_s);
    QCOMPARE(controller.armedFor(), QDateTime(today, QTime(10, 25)));
    fakes.notifier.invoke(1, Notifier::defaultAction());
    QCOMPARE(jobsShown.size(), 1);

    // The timer fires: the pad, whose snooze brings it back five minutes later.
    fakes.clock.time = QTime(10, 25);
    controller.check();
    QCOMPARE(shown.size(), 2);
    QCOMPARE((QStringList{shown[1].title, shown[1].body}), (QStringList{u"10:30 会議"_s, u"第 3 会議室"_s}));
    fakes.notifier.invoke(2, u"snooze"_s);
    QCOMPARE(controller.armedFor(), QDateTime(today, QTime(10, 30)));
    fakes.clock.time = QTime(10, 30);
    controller.check();
    QCOMPARE(shown.size(), 3);
    fakes.notifier.invoke(3, u"open"_s);
    QCOMPARE((QList<qsizetype>{jobsShown.size(), planOpened.size()}), (QList<qsizetype>{1, 1}));

    // Another program moves the pad to 11:00: the watch reads the file again.
    writeDay(folder, 11, 0);
    QTRY_COMPARE(controller.armedFor(), QDateTime(today, QTime(10, 55)));

    // A restart repeats nothing of the day.
    ReminderController restarted(session, fakes.services);
    restarted.start(0ms);
    QCOMPARE(shown.size(), 3);
    QCOMPARE(restarted.armedFor(), QDateTime(today, QTime(10, 55)));
}

QTEST_MAIN(TestReminderController)
#include "tst_remindercontroller.moc"
