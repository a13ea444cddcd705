#pragma once

#include "widgets/SpareWindow.h"

#include <QPoint>
#include <QString>

#include <functional>

class QDialog;
class Session;
class StepHost;
class StepPlannerWindow;
struct Services;

// Opens the step planner, either for the job shown in the main window or for a step file chosen
// from the list of the step folder. The step window and its dialogs are modal; they are shown
// through a runner that tests replace, so every step up to the showing can be driven without a
// modal loop.
class StepLauncher final
{
public:
    // Shows a dialog modally and returns its result (QDialog::Accepted or Rejected).
    using ModalRunner = std::function<int(QDialog &)>;

    StepLauncher(Session &session, Services &services, StepHost &host);
    ~StepLauncher();

    void openForShownJob();
    void openFromFile();

    void setModalRunner(ModalRunner runner) { m_run = std::move(runner); }
    // From now on keeps a planner window built ahead, the first one `delayMs` from now and each
    // next one a while after the last has closed, so that opening costs only filling and showing.
    void keepSpareWindow(int delayMs);
    bool hasSpareWindow() const { return m_spare.isReady(); }
    QString stepDir() const;

private:
    bool ensureStepDir();
    // Reads the file, lays the window out and shows it. False when the file cannot be read.
    bool showStepWindow(const QString &path, bool hints);
    QPoint messagePos() const;

    Session &m_session;
    Services &m_services;
    StepHost &m_host;
    ModalRunner m_run;
    SpareWindow<StepPlannerWindow> m_spare;
};
