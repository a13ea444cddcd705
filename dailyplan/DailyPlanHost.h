#pragma once

#include <QString>

class QWidget;

// What the daily planner needs from the main window.
class DailyPlanHost
{
public:
    virtual ~DailyPlanHost() = default;
    virtual QWidget *hostWindow() = 0;
    // Closes the to-do list and the bar graph if they are open.
    virtual void closeModelessViews() = 0;
    // Opens the help at `page` (a page of the help folder, F1), or its contents when empty (the
    // planner's pop-up menu).
    virtual void showHelp(const QString &page) {}
};
