// Times opening each window of Wrenly over full data, against a bare Qt widget of the same size
// opened the same way (empty, and with as many child widgets), and the memory left after many
// openings; and the start-up of the program to its main window painted, against a bare Qt main
// window started the same way.
//   bench_windows [rounds] [start|list|graph|planner|step]
// Each figure is the median of `rounds` openings (default 15), from the call that opens the window
// to the window painted off screen (QWidget::grab: the program's own work), and again until it is
// painted on screen (mapped by the window system, exposed, painted and flushed: what a user sees).

#include "app/MainWindow.h"
#include "dailyplan/DailyPlanHost.h"
#include "dailyplan/DailyPlanLauncher.h"
#include "dailyplan/DailyPlannerWindow.h"
#include "data/Config.h"
#include "data/DailyPlanPaths.h"
#include "data/DayFile.h"
#include "data/DaySerial.h"
#include "data/JobRecord.h"
#include "data/StepFile.h"
#include "step/StepPlannerWindow.h"
#include "support/Fakes.h"
#include "support/TestFolder.h"
#include "views/ViewManager.h"
#include "widgets/SpareWindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QMainWindow>
#include <QProcess>
#include <QTimer>
#include <QWindow>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <malloc.h>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

const QDate Today(2005, 5, 16);

// 60 records; the first 50 are open today, a third of them in progress.
MonthFile::Jobs fullMonth(int year, int month)
{
    MonthFile::Jobs jobs{};
    for (int i = 0; i < MonthFile::RecordCount; ++i) {
        JobRecord &j = jobs[size_t(i)];
        j.dataNo = i + 1;
        j.title = u"仕事の名前 "_s + QString::number(i + 1);
        j.startDate = DaySerial::fromDate(QDate(year, month, 1 + i % 28));
        j.endDate = i < 50 ? DaySerial::fromDate(Today) + 5 + i % 20 : j.startDate;
        j.comments = QString(100, QChar(0x5185));
        j.customer = u"山田商店"_s;
        j.check = i < 50 ? (i % 3 == 0 ? JobRecord::InProgress : JobRecord::NotDone) : JobRecord::Done;
    }
    return jobs;
}

DayFile fullDay()
{
    DayFile day;
    day.setSourcePath(u"Y2005516.dtf"_s);
    for (int k = 0; k < PadSlots; ++k) {
        const int row = 40 + 110 * k;
        day.bars[k] = {k % 2 ? u"R"_s : u"L"_s, row, row + 60, 0x00FF00};
        SchedulePadRecord &p = day.pads[k];
        p.padNo = k + 1;
        p.padLeft = k % 2 ? 351 : 4;
        p.padTop = row + 1;
        p.keyword = u"会議"_s;
        p.content = u"週次の打合せ"_s;
        p.barColor = 0x00FF00;
        const TimeAxis::ClockTime start = TimeAxis::rowToTime(row);
        const TimeAxis::ClockTime end = TimeAxis::rowToTime(row + 60);
        p.startHour = start.hour;
        p.startMinute = start.minute;
        p.startPM = start.pm;
        p.endHour = end.hour;
        p.endMinute = end.minute;
        p.endPM = end.pm;
    }
    return day;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

template <typename F> double timeOnce(F &&f)
{
    QElapsedTimer t;
    t.start();
    f();
    return double(t.nsecsElapsed()) / 1e6;
}

// What a bare Qt program does for the start-up figure: a main window of Wrenly's size, painted;
// with "--text", one line of Japanese text in it, so that it pays what every program that shows
// Japanese pays once (the font database and the first font).
int bareMainWindow(int argc, char **argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    if (argc > 2 && qstrcmp(argv[2], "--text") == 0) {
        QApplication::setFont(QFont(u"IPAPGothic"_s, 9));
        window.setCentralWidget(new QLabel(u"データ総数"_s));
    } else {
        window.setCentralWidget(new QWidget);
    }
    window.resize(420, 600);
    window.show();
    QTimer::singleShot(0, &window, [&window] {
        window.grab();
        QCoreApplication::quit();
    });
    return app.exec();
}

// Wall time of a whole process, started and waited for.
double processMs(const QString &program, const QStringList &arguments, const QProcessEnvironment &env)
{
    QProcess process;
    process.setProcessEnvironment(env);
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    return timeOnce([&] {
        process.start(program, arguments);
        process.waitForFinished(30000);
    });
}

// A bare widget of the given size with `children` plain child widgets, shown and painted.
double bareOpen(QSize size, int children)
{
    return timeOnce([&] {
        QWidget w;
        w.resize(size);
        for (int i = 0; i < children; ++i)
            (new QWidget(&w))->setGeometry((i * 7) % size.width(), (i * 13) % size.height(), 20, 10);
        w.show();
        w.grab();
    });
}

// Until the window system has mapped `w` and Qt has painted it on screen, as a user sees it open:
// the server answers the mapping with an Expose event, on which Qt paints and flushes the window.
void waitPainted(QWidget *w)
{
    while (!w->windowHandle() || !w->windowHandle()->isExposed())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    QCoreApplication::sendPostedEvents();
}

// After a window on screen has closed: the server exposes what it covered (the main window), which
// repaints; that belongs to the closing, not to the next opening.
void settleOnScreen()
{
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < 30)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

// A bare widget of the given size, shown until painted on screen.
double bareShown(QSize size)
{
    return timeOnce([&] {
        QWidget w;
        w.resize(size);
        w.show();
        waitPainted(&w);
    });
}

// What the event loop would do between openings: deletions, layouts, updates. Left waiting, the
// queue of posted events grows and every widget's destruction scans it.
void settle()
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

// Heap in use, not the resident size: freed memory that malloc keeps for later is no growth.
long heapKiB()
{
    return long(mallinfo2().uordblks / 1024);
}

void report(const char *what, const std::vector<double> &ours, const std::vector<double> &bare,
            const std::vector<double> &crowded = {})
{
    const double a = median(ours);
    const double b = median(bare);
    std::printf("%-30s %7.2f ms   bare %6.2f ms   ratio %5.2f", what, a, b, a / b);
    if (!crowded.empty())
        std::printf("   (bare with as many children %6.2f ms, ratio %5.2f)", median(crowded),
                    a / median(crowded));
    std::printf("\n");
}

class NoHost final : public DailyPlanHost
{
public:
    QWidget *hostWindow() override { return nullptr; }
    void closeModelessViews() override {}
};

// Which windows to time and how often.
struct Plan
{
    int rounds = 15;
    QString only;
    bool wants(const QString &what) const { return only.isEmpty() || only == what; }
};

// Start-up: the program started until its main window is painted, against a bare Qt program.
// The program reads the clock itself: its folder holds full months for the real day.
void measureStart(const Plan &plan)
{
    TestFolder started;
    started.addShutter();
    const QDate now = QDate::currentDate();
    started.write(MonthFile::fileName(now.year(), now.month()),
                  MonthFile::toBytes(fullMonth(now.year(), now.month())));
    const QDate before = now.addMonths(-1);
    started.write(MonthFile::fileName(before.year(), before.month()),
                  MonthFile::toBytes(fullMonth(before.year(), before.month())));
    started.write(Config::fileName(), Config::defaultFileBytes(started.path()));
    if (!plan.wants(u"start"_s))
        return;
    std::vector<double> ours, bare, withText;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(u"WRENLY_HOME"_s, started.path());
    env.insert(u"WRENLY_QUIT_WHEN_PAINTED"_s, u"1"_s);
    const QString wrenly = QCoreApplication::applicationDirPath() + u"/wrenly"_s;
    const QString self = QCoreApplication::applicationFilePath();
    processMs(wrenly, {}, env); // warm the file cache
    for (int i = 0; i < plan.rounds; ++i) {
        ours.push_back(processMs(wrenly, {}, env));
        bare.push_back(processMs(self, {u"--bare-main-window"_s}, env));
        withText.push_back(processMs(self, {u"--bare-main-window"_s, u"--text"_s}, env));
    }
    report("start-up to the main window", ours, bare);
    report("  against a bare one with text", ours, withText);
}

// Opens and closes one window `plan.rounds` times against bare widgets of its size, then
// `openings` times more for the memory it keeps.
void measureView(const Plan &plan, const QString &key, const char *what,
                 const std::function<QWidget *()> &open, const std::function<void()> &close, int openings)
{
    if (!plan.wants(key))
        return;
    std::vector<double> ours, bare, crowded, oursShown, bareShownMs;
    QSize size;
    int children = 0;
    for (int i = 0; i < plan.rounds; ++i) {
        ours.push_back(timeOnce([&] {
            QWidget *w = open();
            w->grab();
            size = w->size();
            children = int(w->findChildren<QWidget *>().size());
        }));
        close();
        settleOnScreen();
        bare.push_back(bareOpen(size, 0));
        crowded.push_back(bareOpen(size, children));
        oursShown.push_back(timeOnce([&] { waitPainted(open()); }));
        close();
        settleOnScreen();
        bareShownMs.push_back(bareShown(size));
        settleOnScreen();
    }
    report(what, ours, bare, crowded);
    report("  painted on screen", oursShown, bareShownMs);
    const long before = heapKiB();
    for (int i = 0; i < openings; ++i) {
        open()->grab();
        close();
        settle();
    }
    std::printf("%-34s %+8.2f MB after %d more openings (%d child widgets)\n", "",
                (heapKiB() - before) / 1024.0, openings, children);
}

void measurePlanner(const Plan &plan, const QString &folderPath, FakeServices &fakes)
{
    Session session(folderPath);
    session.startDay(Today);
    NoHost host;
    DailyPlanLauncher launcher(session, fakes.services, host);
    launcher.confirmFirstUse = [](QWidget *) { return true; };
    std::unique_ptr<DailyPlannerWindow> planner;
    const auto open = [&] {
        planner = launcher.prepare();
        planner->show();
        return static_cast<QWidget *>(planner.get());
    };
    const auto close = [&] {
        planner->reject();
        planner.reset();
    };
    measureView(plan, u"planner"_s, "daily planner (24 pads)", open, close, 30);
    // As the program opens it: from the window the launcher built while the program was idle.
    const auto awaitSpare = [&] {
        launcher.keepSpareWindow(0);
        while (!launcher.hasSpareWindow())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    };
    awaitSpare();
    measureView(
        plan, u"planner"_s, "  from the spare window", open,
        [&] {
            close();
            awaitSpare();
        },
        30);
}

// The step planner over a job of the month with its overall plan and five steps.
void measureStep(const Plan &plan, TestFolder &folder, FakeServices &fakes)
{
    const StepFile step = [] {
        JobRecord job = fullMonth(2005, 5)[0];
        StepFile file = StepFile::newFor(job, 2005, 5, DaySerial::fromDate(Today), u"bench.vxs"_s);
        for (int g = 1; g < StepFile::GroupCount; ++g) {
            file.groups[g].groupTitle = u"段階 "_s + QString::number(g);
            file.groups[g].planStart = job.startDate + 3 * g;
            file.groups[g].planEnd = job.startDate + 3 * g + 5;
        }
        return file;
    }();
    std::unique_ptr<StepPlannerWindow> stepWindow;
    measureView(
        plan, u"step"_s, "step planner (6 rows)",
        [&] {
            stepWindow = std::make_unique<StepPlannerWindow>(folder.path(), fakes.services);
            stepWindow->sizeChart(step.months);
            stepWindow->showStepFile(folder.file(u"bench.vxs"_s), step);
            stepWindow->show();
            return static_cast<QWidget *>(stepWindow.get());
        },
        [&] { stepWindow.reset(); }, 30);

    // As the program opens it: from the window its launcher built while the program was idle.
    SpareWindow<StepPlannerWindow> spare(
        [&] { return std::make_unique<StepPlannerWindow>(folder.path(), fakes.services); });
    spare.prepareNow();
    measureView(
        plan, u"step"_s, "  from the spare window",
        [&] {
            stepWindow = spare.take();
            stepWindow->sizeChart(step.months);
            stepWindow->showStepFile(folder.file(u"bench.vxs"_s), step);
            stepWindow->show();
            return static_cast<QWidget *>(stepWindow.get());
        },
        [&] {
            stepWindow.reset();
            spare.prepareNow();
        },
        30);
}

} // namespace

int main(int argc, char **argv)
{
    if (argc > 1 && qstrcmp(argv[1], "--bare-main-window") == 0)
        return bareMainWindow(argc, argv);
    QApplication app(argc, argv);
    Plan plan;
    plan.rounds = argc > 1 ? std::max(3, std::atoi(argv[1])) : 15;
    plan.only = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();

    TestFolder folder;
    folder.addShutter();
    folder.write(u"Y2005MAY.vxf"_s, MonthFile::toBytes(fullMonth(2005, 5)));
    folder.write(u"Y2005APR.vxf"_s, MonthFile::toBytes(fullMonth(2005, 4)));
    folder.write(Config::fileName(), Config::defaultFileBytes(folder.path()));
    QDir().mkpath(DailyPlanPaths::monthFolder(folder.path(), Today));
    folder.write(DailyPlanPaths::dayFile(folder.path(), Today).mid(folder.path().size() + 1),
                 fullDay().toBytes());
    FakeServices fakes;
    fakes.clock.date = Today;

    measureStart(plan);

    MainWindow main(folder.path(), fakes.services);
    main.show();
    ViewManager &views = main.views();

    measureView(
        plan, u"list"_s, "to-do list (50 rows)",
        [&] {
            views.openToDoList(false);
            return views.toDoList();
        },
        [&] { views.closeToDoList(); }, 200);
    measureView(
        plan, u"graph"_s, "bar graph (60 bars)",
        [&] {
            views.openGraph();
            return views.graph();
        },
        [&] { views.closeGraph(); }, 200);

    measurePlanner(plan, folder.path(), fakes);
    measureStep(plan, folder, fakes);
    return 0;
}
