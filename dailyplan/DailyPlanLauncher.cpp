#include "dailyplan/DailyPlanLauncher.h"

#include "dailyplan/DailyPlanHost.h"
#include "dailyplan/DailyPlannerFirstUseDialog.h"
#include "dailyplan/DailyPlannerWindow.h"
#include "data/DailyPlanPaths.h"
#include "data/DailyPlanState.h"
#include "data/Pending.h"
#include "data/Session.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/Services.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

DailyPlanLauncher::DailyPlanLauncher(Session &session, Services &services, DailyPlanHost &host)
    : m_session(session), m_services(services), m_host(host), m_state(std::make_unique<DailyPlanState>())
{
    m_state->clearDay();
    confirmFirstUse = [](QWidget *parent) {
        DailyPlannerFirstUseDialog dialog(parent);
        return dialog.exec() == QDialog::Accepted;
    };
    showModal = [](DailyPlannerWindow &window) { window.exec(); };
}

DailyPlanLauncher::~DailyPlanLauncher() = default;

QString DailyPlanLauncher::aubrelFolderFailedText()
{
    return u"AUBRELフォルダの作成に失敗しました.\r\n\r\n処理を中止します."_s;
}

QString DailyPlanLauncher::monthFolderFailedText()
{
    return u"今月のデータフォルダの作成に失敗しました.\r\n\r\n[Dawnpad]の起動を中止します."_s;
}

void DailyPlanLauncher::open()
{
    std::unique_ptr<DailyPlannerWindow> window = prepare();
    if (window)
        showModal(*window);
}

std::unique_ptr<DailyPlannerWindow> DailyPlanLauncher::prepare()
{
    QWidget *parent = m_host.hostWindow();
    DailyPlanState &s = *m_state;
    const QString exeDir = m_session.exeDir();
    s.aubrelDir = DailyPlanPaths::aubrelDir(exeDir);
    if (!QFileInfo(s.aubrelDir).isDir()) {
        if (!confirmFirstUse(parent))
            return nullptr;
        if (!QDir().mkdir(s.aubrelDir)) {
            m_services.dialogs.inform(parent, aubrelFolderFailedText());
            return nullptr;
        }
    }
    m_host.closeModelessViews();

    auto window = std::make_unique<DailyPlannerWindow>(m_session, m_services, s, parent);
    listJobsInProgress(*window);

    const QString routines = DailyPlanPaths::routineFile(exeDir);
    bool existed = QFileInfo::exists(routines);
    if (!reportIfFailed(routines, existed, s.loadOrCreateRoutines(routines)))
        return nullptr;
    window->setRoutineCount(RoutineFile::countRoutines(s.workingRoutines));

    const QString lists = DailyPlanPaths::listFile(exeDir);
    existed = QFileInfo::exists(lists);
    if (!reportIfFailed(lists, existed, s.loadOrCreateLists(lists)))
        return nullptr;

    // The planner works on the day it is opened, whatever day the program started on.
    const QDate today = m_services.clock.today();
    m_session.setThisYearMonth(today.year(), today.month());
    s.monthFolderName = DailyPlanPaths::monthFolderName(today);
    s.todayDayFile = DailyPlanPaths::dayFile(exeDir, today);
    const QString monthFolder = DailyPlanPaths::monthFolder(exeDir, today);
    if (!QFileInfo(monthFolder).isDir() && !QDir().mkdir(monthFolder)) {
        m_services.dialogs.inform(parent, monthFolderFailedText());
        return nullptr;
    }

    if (QFileInfo::exists(s.todayDayFile)) {
        if (!window->loadDayFile(s.todayDayFile))
            return nullptr;
        s.currentDayFile = s.todayDayFile;
        window->playShutter();
    } else {
        s.clearDay();
        s.currentDayFile = s.todayDayFile;
        window->showUnsaved(today);
    }
    window->setToday(today);
    window->updateClock();
    return window;
}

void DailyPlanLauncher::listJobsInProgress(DailyPlannerWindow &window)
{
    const double today = m_session.todaySerial();
    int count = 0;
    for (MonthKind kind : {MonthKind::Current, MonthKind::Previous}) {
        if (!m_session.fileExists(kind))
            continue;
        const MonthFile::Jobs &jobs = m_session.jobs(kind);
        for (int i = m_session.count(kind) - 1; i >= 0; --i) {
            if (Pending::isInProgressToday(jobs[i], today)) {
                window.addJobInProgress(kind, m_session.monthNumber(kind), jobs[i]);
                ++count;
            }
        }
    }
    window.setInProgressCount(count);
}

bool DailyPlanLauncher::reportIfFailed(const QString &path, bool reading, const SafeFile::Result &result)
{
    if (result)
        return true;
    m_services.dialogs.error(m_host.hostWindow(),
                             DailyPlannerWindow::fileErrorText(path, result.error, reading));
    return false;
}
