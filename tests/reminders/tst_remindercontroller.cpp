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

// Today's day file with one pad in the morning, written in place as another program might.
void writeDay(const TestFolder &folder, int hour, int minute, const QString &keyword)
{
    DayFile day;
    day.pads[0].padNo = 1;
    day.pads[0].startHour = hour;
    day.pads[0].startMinute = minute;
    day.pads[0].keyword = keyword;
    day.pads[0].content = u"第 3 会議室"_s;
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
    fakes.clock.time = QTime(10, 0);
    MonthFile::Jobs month{};
    month[0].title = u"図面"_s;
    month[0].startDate = DaySerial::fromDate(today.addDays(-5));
    month[0].endDate = DaySerial::fromDate(today);
    folder.write(MonthFile::fileName(2024, 5), MonthFile::toBytes(month));
    writeDay(folder, 10, 30, u"会議"_s);
    const Session session(folder.path());
    QList<Notifier::Message> &shown = fakes.notifier.shown;

    ReminderController controller(session, fakes.services);
    QSignalSpy jobsShown(&controller, &ReminderController::showJobsRequested);
    QSignalSpy planOpened(&controller, &ReminderController::openPlanRequested);
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
    QCOMPARE(shown[1].title, u"10:30 会議"_s);
    QCOMPARE(shown[1].body, u"第 3 会議室"_s);
    fakes.notifier.invoke(2, u"snooze"_s);
    QCOMPARE(controller.armedFor(), QDateTime(today, QTime(10, 30)));
    fakes.clock.time = QTime(10, 30);
    controller.check();
    QCOMPARE(shown.size(), 3);
    fakes.notifier.invoke(3, u"open"_s);
    QCOMPARE(planOpened.size(), 1);
    QCOMPARE(jobsShown.size(), 1);

    // Another program moves the pad to 11:00: the watch reads the file again.
    writeDay(folder, 11, 0, u"会議"_s);
    QTRY_COMPARE(controller.armedFor(), QDateTime(today, QTime(10, 55)));

    // A restart repeats nothing of the day.
    ReminderController restarted(session, fakes.services);
    restarted.start(0ms);
    QCOMPARE(shown.size(), 3);
    QCOMPARE(restarted.armedFor(), QDateTime(today, QTime(10, 55)));

    // Without the plan's reminders the next moment is tomorrow's summary.
    ReminderSettings settings;
    settings.planEnabled = false;
    QVERIFY(settings.write(session.settingsPath()));
    restarted.reloadSettings();
    QCOMPARE(restarted.armedFor(), QDateTime(today.addDays(1), QTime(9, 0)));
}

QTEST_MAIN(TestReminderController)
#include "tst_remindercontroller.moc"
