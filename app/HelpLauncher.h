#pragma once

#include "app/HelpWindow.h"

#include <QPointer>
#include <QString>

class Dialogs;
class QWidget;

// Opens the help window on a page; it belongs to the main window, or to a modal planner while one
// is open, since that blocks every other window but its own children.
class HelpLauncher final
{
public:
    HelpLauncher(Dialogs &dialogs, QWidget &window, const QString &folder);

    void setFolder(const QString &folder) { m_folder = folder; }
    HelpWindow *helpWindow() const { return m_helpWindow; }
    // Shows `page` (the contents when empty), or says that the pages are missing.
    void show(const QString &page);

private:
    Dialogs &m_dialogs;
    QWidget &m_window;
    QString m_folder;
    QPointer<HelpWindow> m_helpWindow;
};
