#pragma once

#include "data/Session.h"

#include <QString>

class QWidget;

// What the step planner needs from the main window. The main window implements it; tests use a
// fake.
class StepHost
{
public:
    virtual ~StepHost() = default;

    virtual QWidget *hostWindow() = 0;
    // The month whose record the main window shows.
    virtual MonthKind shownMonth() const = 0;
    // The title box of the main window and the data number shown.
    virtual QString shownTitle() const = 0;
    virtual void setShownTitle(const QString &title) = 0;
    virtual int shownDataNo() const = 0;
    // The main window's update command: stores the shown record into its month file.
    virtual void updateShownRecord() = 0;
    // Closes the to-do list and the bar graph if they are open.
    virtual void closeModelessViews() = 0;
    // Opens the help at `page` (a page of the help folder, F1), or its contents when empty (the
    // chart menu).
    virtual void showHelp(const QString &page) {}
};
