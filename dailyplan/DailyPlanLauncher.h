#pragma once

#include "data/SafeFile.h"
#include "widgets/SpareWindow.h"

#include <QDate>

#include <functional>
#include <memory>

class DailyPlanHost;
class QWidget;
class Session;
class DailyPlannerWindow;
struct PlannerData;
struct Services;

// Opens the daily planner for today: folders and files, the jobs in progress, the day. The
// working copies live here for the whole run.
class DailyPlanLauncher final
{
public:
    DailyPlanLauncher(Session &session, Services &services, DailyPlanHost &host);
    ~DailyPlanLauncher();

    // Prepares the planner and shows it modally; returns when it has closed or opening was given up.
    void open();

    // Everything up to the modal display. Null when opening was given up (the user declined, a
    // folder could not be made, a file could not be read); the reason has been shown.
    std::unique_ptr<DailyPlannerWindow> prepare();

    // Tests replace these two so that nothing enters a modal loop.
    std::function<bool(QWidget *parent)> confirmFirstUse;
    std::function<void(DailyPlannerWindow &window)> showModal;

    PlannerData &data() { return *m_data; }

    // From now on keeps a planner window built ahead, the first one `delayMs` from now and each
    // next one a while after the last has closed, so that opening costs only filling and showing.
    void keepSpareWindow(int delayMs);
    bool hasSpareWindow() const { return m_spare.isReady(); }

    static QString rootFolderFailedText();
    static QString monthFolderFailedText();

private:
    void listJobsInProgress(DailyPlannerWindow &window);
    bool reportIfFailed(const QString &path, bool reading, const SafeFile::Result &result);

    Session &m_session;
    Services &m_services;
    DailyPlanHost &m_host;
    std::unique_ptr<PlannerData> m_data;
    SpareWindow<DailyPlannerWindow> m_spare;
};
