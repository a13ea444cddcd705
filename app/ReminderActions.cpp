#include "app/ReminderActions.h"

#include "app/MainWindow.h"
#include "reminders/ReminderController.h"

#include <QApplication>

namespace {

// A notification clicked while a modal window is open brings that window forward instead.
bool bringModalForward()
{
    QWidget *modal = QApplication::activeModalWidget();
    if (modal)
        modal->activateWindow();
    return modal != nullptr;
}

} // namespace

void ReminderActions::connect(ReminderController &reminders, MainWindow &window)
{
    MainWindow *w = &window;
    // Queued: the planner's modal loop must not run inside the delivery of a bus signal.
    QObject::connect(
        &reminders, &ReminderController::showJobsRequested, w,
        [w] {
            if (bringModalForward())
                return;
            w->restoreFromTray();
            w->views().openToDoList(false);
        },
        Qt::QueuedConnection);
    QObject::connect(
        &reminders, &ReminderController::openPlanRequested, w,
        [w] {
            if (bringModalForward())
                return;
            w->restoreFromTray();
            w->openDailyPlan();
        },
        Qt::QueuedConnection);
    QObject::connect(w, &MainWindow::setupSaved, &reminders, &ReminderController::reloadSettings);
}
