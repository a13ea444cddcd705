#pragma once

#include "data/Config.h"
#include "data/PartnerPrograms.h"
#include "data/Session.h"

#include <QString>

class QWidget;

// What the views of a month need from the main window. The main window implements it;
// tests use a fake.
class ViewHost
{
public:
    virtual ~ViewHost() = default;

    virtual QWidget *mainWindow() = 0;
    // The month whose records the main window shows and edits.
    virtual MonthKind shownMonth() const = 0;
    virtual void setShownMonth(MonthKind kind) = 0;
    // Puts record `dataNo` of the month into the main window (with the shutter sound). False when
    // it could not, and then nothing in the main window changed.
    virtual bool showRecord(MonthKind kind, int dataNo) = 0;
    // Activates the main window; when its job panel is visible the check group gets the focus.
    virtual void activateMainWindow() = 0;
    // The data number shown in the main window.
    virtual int shownDataNo() const = 0;
    // Sets the main window's check group, dropping an unsaved choice there.
    virtual void setShownCheck(int check) = 0;
    virtual void setAppendEnabled(bool enabled) = 0;
    virtual void setUpdateEnabled(bool enabled) = 0;
    // Caption "Wrenly ●<month>月のデータ" and the record count of that month in the status bar.
    virtual void showMonthHeader(MonthKind kind) = 0;
    // The same for the past month the past-data output shows: "Wrenly ●<year>年 <month>月のデータ".
    virtual void showPastMonthHeader(int year, int month) = 0;
    // After the past-data output: shows `kind` again, its last record, caption and count.
    virtual void returnToMonth(MonthKind kind) = 0;
    virtual bool isLaunchEnabled(Partner partner) const = 0;
    virtual void launch(Partner partner) = 0;
    // What the main window does on its next activation after a partner program was started.
    virtual void setPendingLaunchAction(AfterLaunch action) = 0;
    // The long part of a hint under the pointer, for the main window's status bar.
    virtual void showHint(const QString &text) { Q_UNUSED(text); }
};
