#pragma once

class QString;
class QWidget;

// What restoring and archiving need from the main window. The main window implements it; tests
// use a fake.
class BackupHost
{
public:
    virtual ~BackupHost() = default;

    virtual QWidget *hostWindow() = 0;
    // Reads the configuration and the months again after files were put back, closing and
    // reopening the views as a month switch does.
    virtual void reloadAfterRestore() = 0;
    // A line in the status bar: a backup that failed during a save.
    virtual void showHint(const QString &text) = 0;
};
