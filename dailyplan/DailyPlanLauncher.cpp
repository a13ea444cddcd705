#include "dailyplan/DailyPlanLauncher.h"

#include "dailyplan/DailyPlanHost.h"
#include "dailyplan/DailyPlannerFirstUseDialog.h"
#include "dailyplan/DailyPlannerWindow.h"
#include "dailyplan/JobsInProgressPanel.h"
#include "dailyplan/PlannerData.h"
#include "data/DailyPlanPaths.h"
#include "data/Pending.h"
#include "data/Session.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/Services.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

DailyPlanLauncher::DailyPlanLauncher(Session &session, Services &services, DailyPlanHost &host)
    : m_session(session), m_services(services), m_host(host), m_data(std::make_unique<PlannerData>()),
      m_spare([this] {
          return std::make_unique<DailyPlannerWindow>(m_session, m_services, *m_data, m_host.hostWindow());
      })
{
    confirmFirstUse = [](QWidget *parent) {
        DailyPlannerFirstUseDialog dialog(parent);
        return dialog.exec() == QDialog::Accepted;
    };
    showModal = [](DailyPlannerWindow &window) { window.exec(); };
}

DailyPlanLauncher::~DailyPlanLauncher() = default;

QString DailyPlanLauncher::rootFolderFailedText()
{
    return u"AUBRELフォルダの作成に失敗しました.\r\n\r\n処理を中止します."_s;
}

QString DailyPlanLauncher::monthFolderFailedText()
{
    return u"今月のデータフォルダの作成に失敗しました.\r\n\r\n[Dawnpad]の起動を中止します."_s;
}

void DailyPlanLauncher::keepSpareWindow(int delayMs)
{
    m_spare.keep(delayMs);
}

void DailyPlanLauncher::open()
{
    std::unique_ptr<DailyPlannerWindow> window = prepare();
    if (window)
        showModal(*window);
    window.reset();
    m_spare.windowClosed();
}

std::unique_ptr<DailyPlannerWindow> DailyPlanLauncher::prepare()
{
    QWidget *parent = m_host.hostWindow();
    DayPlan &day = m_data->day;
    const QString exeDir = m_session.exeDir();
    day.setRoot(DailyPlanPaths::dailyPlanRoot(exeDir));
    if (!QFileInfo(day.root()).isDir()) {
        if (!confirmFirstUse(parent))
            return nullptr;
        if (!QDir().mkdir(day.root())) {
            m_services.dialogs.inform(parent, rootFolderFailedText());
            return nullptr;
        }
    }
    m_host.closeModelessViews();

    std::unique_ptr<DailyPlannerWindow> window = m_spare.take();
    QObject::connect(window->helpContentsAction(), &QAction::triggered, window.get(),
                     [this] { m_host.showHelp({}); });
    QObject::connect(window->helpPageAction(), &QAction::triggered, window.get(),
                     [this] { m_host.showHelp(u"daily.html"_s); });
    listJobsInProgress(*window);

    const QString routines = DailyPlanPaths::routineFile(exeDir);
    bool existed = QFileInfo::exists(routines);
    if (!reportIfFailed(routines, existed, m_data->routines.loadOrCreate(routines)))
        return nullptr;
    window->setRoutineCount(m_data->routines.count());

    const QString lists = DailyPlanPaths::listFile(exeDir);
    existed = QFileInfo::exists(lists);
    if (!reportIfFailed(lists, existed, m_data->lists.loadOrCreate(lists)))
        return nullptr;

    // The planner works on the day it is opened, whatever day the program started on; the
    // session stays on its start-up day.
    day.setToday(m_services.clock.today());
    const QString monthFolder = day.monthFolder();
    if (!QFileInfo(monthFolder).isDir() && !QDir().mkdir(monthFolder)) {
        m_services.dialogs.inform(parent, monthFolderFailedText());
        return nullptr;
    }

    const QString todayDayFile = day.todayFile();
    if (QFileInfo::exists(todayDayFile)) {
        if (!window->loadDayFile(todayDayFile))
            return nullptr;
        day.setCurrentFile(todayDayFile);
        window->playShutter();
    } else {
        day.clearDay();
        day.setCurrentFile(todayDayFile);
        window->showUnsaved(day.today());
    }
    window->setToday(day.today());
    window->updateClock();
    return window;
}

void DailyPlanLauncher::listJobsInProgress(DailyPlannerWindow &window)
{
    const QList<Pending::JobRef> jobs = Pending::jobsToday(m_session, Pending::Rule::InProgressToday);
    for (const Pending::JobRef &ref : jobs)
        window.jobsInProgress().addJob(ref.month, m_session.monthNumber(ref.month), ref.slot + 1,
                                       m_session.job(ref.month, ref.slot));
    window.jobsInProgress().setCount(int(jobs.size()));
}

bool DailyPlanLauncher::reportIfFailed(const QString &path, bool reading, const SafeFile::Result &result)
{
    if (result)
        return true;
    m_services.dialogs.fileError(m_host.hostWindow(), reading ? FileOperation::Read : FileOperation::Create,
                                 path, result.error);
    return false;
}
