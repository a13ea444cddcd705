#pragma once

#include "dailyplan/DailyPlanHost.h"
#include "dailyplan/DailyPlanLauncher.h"
#include "dailyplan/DailyPlannerWindow.h"
#include "dailyplan/DragColumnWidget.h"
#include "dailyplan/PlanAreaWidget.h"
#include "dailyplan/PlannerData.h"
#include "dailyplan/SchedulePad.h"
#include "data/Session.h"
#include "support/Children.h"
#include "support/Fakes.h"
#include "support/TestFolder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

#include <memory>

class FakePlanHost final : public DailyPlanHost
{
public:
    QWidget *hostWindow() override { return nullptr; }
    void closeModelessViews() override { ++viewsClosed; }
    void showHelp(const QString &page) override { helpPage = page; }
    int viewsClosed = 0;
    QString helpPage;
};

// A program folder, fake services and the launcher, opened on a fixed day without a modal loop.
struct Planner
{
    TestFolder dir;
    FakeServices fakes;
    Session session;
    FakePlanHost host;
    DailyPlanLauncher launcher;
    std::unique_ptr<DailyPlannerWindow> window;
    int confirmations = 0;
    bool confirmAnswer = true;

    explicit Planner(const QDate &today = QDate(2005, 12, 5))
        : session(dir.path()), launcher(session, fakes.services, host)
    {
        dir.addShutter();
        fakes.clock.date = today;
        session.startDay(today);
        launcher.confirmFirstUse = [this](QWidget *) {
            ++confirmations;
            return confirmAnswer;
        };
        launcher.showModal = [](DailyPlannerWindow &) {};
    }

    // Prepares the window and shows it, active, as the modal display would.
    bool open()
    {
        window = launcher.prepare();
        if (!window)
            return false;
        window->show();
        window->activateWindow();
        return QTest::qWaitForWindowActive(window.get());
    }

    DayPlan &day() { return launcher.data().day; }
    RoutineBook &routines() { return launcher.data().routines; }
    ListBook &lists() { return launcher.data().lists; }
    // Writes the month file and has the session read it.
    void writeMonth(MonthKind kind, const MonthFile::Jobs &jobs)
    {
        dir.write(session.fileName(kind), MonthFile::toBytes(jobs));
        QVERIFY(session.load(kind));
    }
    DragColumnWidget *column(bool right) const
    {
        return child<DragColumnWidget>(window.get(), right ? u"rightDragColumn" : u"leftDragColumn");
    }
    void drag(bool right, int from, int to)
    {
        window->planArea()->dragPress(column(right), Qt::LeftButton, from);
        window->planArea()->dragMove(column(right), to);
        window->planArea()->dragRelease(column(right), Qt::LeftButton, to);
    }
    // The pad with its boxes made, as a user's pointer makes them.
    SchedulePad *pad(int number) const
    {
        SchedulePad *p = window->planArea()->pad(number - 1);
        if (p)
            p->makeEditable();
        return p;
    }
    int shutters() const { return fakes.sound.played.size(); }
    void writeRoutines(const QList<RoutineRecord> &routines)
    {
        RoutineFile::Routines all{};
        for (const RoutineRecord &r : routines)
            all[size_t(r.padNo - 1)] = r;
        dir.write(QStringLiteral("Routines.rdf"), RoutineFile::toBytes(all));
    }
};

// A saved routine as the settings window leaves it: shown on the days of `days` ("0123456", Sunday
// first), from start:00 to end:00 before noon.
inline RoutineRecord routineRecord(int number, const QString &keyword, int start, int end,
                                   const QString &days = QStringLiteral("0123456"), bool shown = true,
                                   int left = 4)
{
    RoutineRecord r;
    r.padNo = number;
    r.padLeft = left;
    r.padTop = TimeAxis::timeToRow(start, false, 0) + 1;
    r.keyword = keyword;
    r.content = keyword + QStringLiteral(" の説明");
    r.barColor = 0x10 * number;
    r.startHour = start;
    r.startMinute = 0;
    r.endHour = end;
    r.endMinute = 0;
    r.memo = QStringLiteral("memo ") + keyword;
    r.showFlag = shown;
    for (int d = 0; d < 7; ++d)
        r.weekdays[size_t(d)] = days.contains(QString::number(d));
    return r;
}

// Types `text` into a box a character at a time, as an input method commits it.
template <typename Box> void typeChars(Box *box, const QString &text)
{
    for (const QChar c : text)
        box->insertPlainText(c);
}
inline void typeChars(QLineEdit *box, const QString &text)
{
    for (const QChar c : text)
        box->insert(c);
}

// Sets a pad's six time boxes as a user would type them.
inline void typeTimes(SchedulePad *pad, const QString &sh, const QString &sm, bool spm, const QString &eh,
                      const QString &em, bool epm)
{
    child<QComboBox>(pad, u"startHourComboBox")->setEditText(sh);
    child<QSpinBox>(pad, u"startMinuteSpinBox")->findChild<QLineEdit *>()->setText(sm);
    child<QCheckBox>(pad, u"startPmCheckBox")->setChecked(spm);
    child<QComboBox>(pad, u"endHourComboBox")->setEditText(eh);
    child<QSpinBox>(pad, u"endMinuteSpinBox")->findChild<QLineEdit *>()->setText(em);
    child<QCheckBox>(pad, u"endPmCheckBox")->setChecked(epm);
}
