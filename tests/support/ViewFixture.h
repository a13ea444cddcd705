#pragma once

#include "data/DaySerial.h"
#include "data/Session.h"
#include "support/TestFolder.h"
#include "views/ViewHost.h"

#include <QList>
#include <QStringList>
#include <QTest>
#include <QWidget>

#include <array>

// Records what the views ask of the main window.
class FakeViewHost final : public ViewHost
{
public:
    struct Shown
    {
        MonthKind kind;
        int dataNo;
        bool operator==(const Shown &) const = default;
    };

    QWidget window; // stands in for the main window
    MonthKind month = MonthKind::Current;
    QList<Shown> shown;
    QList<int> checksSet;
    QList<MonthKind> headers;
    QList<QPair<int, int>> pastHeaders; // year, month
    QList<MonthKind> returns;
    QList<Partner> launches;
    QList<AfterLaunch> pendingActions;
    QStringList hints;
    int activations = 0;
    int shownNo = 0;
    bool refuseShow = false; // as the main window does without its sound file
    bool appendEnabled = true;
    bool updateEnabled = true;
    bool pellEnabled = true;
    bool trevEnabled = true;

    QWidget *mainWindow() override { return &window; }
    MonthKind shownMonth() const override { return month; }
    void setShownMonth(MonthKind kind) override { month = kind; }
    bool showRecord(MonthKind kind, int dataNo) override
    {
        if (refuseShow)
            return false;
        shown.append({kind, dataNo});
        shownNo = dataNo;
        return true;
    }
    void activateMainWindow() override { ++activations; }
    int shownDataNo() const override { return shownNo; }
    void setShownCheck(int check) override { checksSet.append(check); }
    void setAppendEnabled(bool enabled) override { appendEnabled = enabled; }
    void setUpdateEnabled(bool enabled) override { updateEnabled = enabled; }
    void showMonthHeader(MonthKind kind) override { headers.append(kind); }
    void showPastMonthHeader(int year, int monthNumber) override { pastHeaders.append({year, monthNumber}); }
    void returnToMonth(MonthKind kind) override
    {
        month = kind;
        returns.append(kind);
    }
    bool isLaunchEnabled(Partner partner) const override
    {
        return partner == Partner::Pellmark ? pellEnabled : trevEnabled;
    }
    void launch(Partner partner) override { launches.append(partner); }
    void setPendingLaunchAction(AfterLaunch action) override { pendingActions.append(action); }
    void showHint(const QString &text) override { hints.append(text); }
};

// A program folder on a fixed day. Jobs are put into the month arrays here, then saved to their
// files and read by the session, as the program reads them.
struct ViewFixture
{
    TestFolder folder;
    Session session{folder.path()};
    FakeViewHost host;
    std::array<MonthFile::Jobs, 3> months{}; // by MonthKind

    explicit ViewFixture(QDate today = QDate(2005, 5, 16)) { session.startDay(today); }

    double day(int offset) const { return session.todaySerial() + offset; }

    // Puts a job into `slot` (data number slot + 1).
    JobRecord &put(MonthKind kind, int slot, double start, double end, int check = JobRecord::NotDone,
                   const QString &title = QString())
    {
        JobRecord &j = months[size_t(kind)][size_t(slot)];
        j.dataNo = slot + 1;
        j.title = title.isEmpty() ? QStringLiteral("仕事") + QString::number(slot + 1) : title;
        j.startDate = start;
        j.endDate = end;
        j.check = check;
        return j;
    }
    JobRecord &put(MonthKind kind, int slot, QDate start, QDate end, int check = JobRecord::NotDone,
                   const QString &title = QString())
    {
        return put(kind, slot, DaySerial::fromDate(start), DaySerial::fromDate(end), check, title);
    }

    // Writes the month file and has the session read it. A past month is May 2003.
    void save(MonthKind kind)
    {
        const QString name =
            kind == MonthKind::Past ? QStringLiteral("Y2003MAY.vxf") : session.fileName(kind);
        folder.write(name, MonthFile::toBytes(months[size_t(kind)]));
        const SafeFile::Result r = kind == MonthKind::Past ? session.loadPast(name) : session.load(kind);
        QVERIFY(r);
    }
};
