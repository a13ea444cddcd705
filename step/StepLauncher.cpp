#include "step/StepLauncher.h"

#include "data/Session.h"
#include "data/StepFile.h"
#include "platform/Dialogs.h"
#include "platform/Services.h"
#include "step/StepFileDialog.h"
#include "step/StepFirstUseDialog.h"
#include "step/StepHost.h"
#include "step/StepMessages.h"
#include "step/StepPlannerWindow.h"

#include <QDir>
#include <QFileInfo>
#include <QWidget>

using namespace Qt::StringLiterals;

StepLauncher::StepLauncher(Session &session, Services &services, StepHost &host)
    : m_session(session), m_services(services), m_host(host), m_run([](QDialog &d) { return d.exec(); }),
      m_spare([this] {
          return std::make_unique<StepPlannerWindow>(m_session.exeDir(), m_services, m_host.hostWindow());
      })
{}

StepLauncher::~StepLauncher() = default;

void StepLauncher::keepSpareWindow(int delayMs)
{
    m_spare.keep(delayMs);
}

QString StepLauncher::stepDir() const
{
    return m_session.pathOf(StepFile::folderName());
}

QPoint StepLauncher::messagePos() const
{
    const QWidget *w = m_host.hostWindow();
    return w ? w->frameGeometry().topLeft() + QPoint(50, 200) : QPoint(50, 200);
}

bool StepLauncher::ensureStepDir()
{
    if (QFileInfo(stepDir()).isDir())
        return true;
    StepFirstUseDialog confirm(m_host.hostWindow());
    if (m_run(confirm) != QDialog::Accepted)
        return false;
    if (!QDir().mkpath(stepDir()) || !QFileInfo(stepDir()).isDir()) {
        m_services.dialogs.inform(m_host.hostWindow(), StepMessages::folderNotCreated(), messagePos());
        return false;
    }
    return true;
}

void StepLauncher::openForShownJob()
{
    if (m_host.shownTitle().isEmpty())
        return;
    // The past-data output is modal, so only the current and the previous month can be shown here.
    const MonthKind kind = m_host.shownMonth();
    if (kind == MonthKind::Past)
        return;
    const int n = m_host.shownDataNo();
    // A step file belongs to a stored job: an unsaved entry has no record to copy from.
    if (n < 1 || n > MonthFile::RecordCount || !m_session.jobs(kind)[n - 1].isUsed()) {
        m_services.dialogs.inform(m_host.hostWindow(), StepMessages::notStored(), messagePos());
        return;
    }
    if (!ensureStepDir())
        return;

    m_host.closeModelessViews();

    const bool current = kind == MonthKind::Current;
    const QString monthFile = current ? m_session.currentFileName() : m_session.previousFileName();
    const QString path = stepDir() + u'/' + StepFile::fileName(monthFile, n);
    const int year = current ? m_session.thisYear() : m_session.prevMonthYear();
    const int month = current ? m_session.thisMonth() : m_session.prevMonth();
    const JobRecord &job = m_session.jobs(kind)[n - 1];

    if (!QFileInfo::exists(path)) {
        // The job is copied before its title gets the step mark.
        const StepFile created = StepFile::newFor(job, year, month, m_session.todaySerial(), path);
        const SafeFile::Result r = StepFile::create(path, created);
        if (!r) {
            m_services.dialogs.fileError(m_host.hostWindow(), FileOperation::Create, path, r.error,
                                         StepMessages::fileSubject());
            return;
        }
    }

    const QString marked = StepFile::markedTitle(m_host.shownTitle());
    if (marked != m_host.shownTitle()) {
        m_host.setShownTitle(marked);
        m_host.updateShownRecord();
    }

    showStepWindow(path, true);
}

void StepLauncher::openFromFile()
{
    if (!QFileInfo(stepDir()).isDir()) {
        m_services.dialogs.inform(m_host.hostWindow(), StepMessages::folderMissing(), messagePos());
        return;
    }
    QString path;
    {
        StepFileDialog select(stepDir(), m_host.hostWindow());
        if (m_run(select) != QDialog::Accepted)
            return;
        path = select.stepFilePath();
    }
    if (path.isEmpty())
        return;
    m_host.closeModelessViews();
    showStepWindow(path, false);
}

bool StepLauncher::showStepWindow(const QString &path, bool hints)
{
    // A file that has gone since it was listed is not shown as an empty chart.
    if (!QFileInfo::exists(path)) {
        m_services.dialogs.error(m_host.hostWindow(), StepMessages::fileMissing(path));
        return false;
    }
    StepFile step;
    SafeFile::Snapshot snapshot;
    const SafeFile::Result r = StepFile::read(path, &step, &snapshot);
    if (!r) {
        m_services.dialogs.fileError(m_host.hostWindow(), FileOperation::Read, path, r.error,
                                     StepMessages::fileSubject());
        return false;
    }

    std::unique_ptr<StepPlannerWindow> window = m_spare.take();
    if (hints)
        window->showHintsInStatusBar();
    window->setHelpHandler([this](const QString &page) { m_host.showHelp(page); });
    window->sizeChart(step.months);
    window->showStepFile(path, step, snapshot);
    m_run(*window);
    window.reset();
    m_spare.windowClosed();
    return true;
}
