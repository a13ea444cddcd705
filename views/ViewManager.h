#pragma once

#include "views/BarGraphWindow.h"
#include "views/JobSearchWindow.h"
#include "views/ToDoListWindow.h"
#include "views/ViewHost.h"

#include <QObject>
#include <QPoint>
#include <QPointer>

#include <functional>

class QDialog;
class QWidget;
class Session;
struct Services;

// Owns the views of the month. The to-do list and the bar graph are modeless and exist at most
// once; they are built when opened and never refreshed, so every data change of the main window
// closes them first and reopens them afterwards (closeForChange / reopen). The data viewer of the
// shown month and the past-data output are modal.
class ViewManager final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ViewManager)
public:
    ViewManager(Session &session, Services &services, ViewHost &host, QObject *parent = nullptr);
    ~ViewManager() override;

    // `fromButton`: the to-do button (which may also open the graph), not the menu or F6.
    void openToDoList(bool fromButton);
    void closeToDoList();
    bool isToDoListOpen() const;

    // The graph of the month the main window shows.
    void openGraph();
    // The graph of any array (the past-data output): replaces an open graph. `owner` is the window
    // the graph belongs to and closes with; by default the main window.
    void openGraphFor(const GraphSource &source, QWidget *owner = nullptr);
    void closeGraph();
    bool isGraphOpen() const;

    struct Remembered
    {
        bool list = false;
        bool graph = false;
    };
    // Closes both views and tells which were open.
    Remembered closeForChange();
    // Reopens the views that were open before a change.
    void reopen(Remembered remembered);
    void closeAll();

    // Shows a dialog modally and returns its result; tests replace it so that no modal loop runs.
    using ModalRunner = std::function<int(QDialog &)>;
    void setModalRunner(ModalRunner runner) { m_run = std::move(runner); }

    // The records of the shown month in the data viewer, newest first.
    void showDataViewer();
    // The shown month's text file, after the user agreed.
    void writeTextFile();
    // The past-data output. While it is open the main window shows the past month; afterwards it
    // returns to the month it showed before. With a file name it opens on that month's graph, the
    // main window showing record `dataNo`.
    void openPastData(const QString &fileName = {}, int dataNo = 0);
    // The job search, one at a time: opening it again brings the open one forward.
    void openJobSearch();
    void closeJobSearch();
    JobSearchWindow *jobSearchWindow() const { return m_search; }
    // Shows a record the job search found: one of this or the previous month as a click in the
    // to-do list does, one of any other month through the past-data output.
    void showFoundRecord(const QString &fileName, int dataNo);
    // Asks, writes the text file of `monthFileName` into the program folder and says so; the boxes
    // belong to `parent`. False when nothing was written.
    bool writeTextFileOf(const MonthFile::Jobs &jobs, int count, const QString &monthFileName,
                         QWidget *parent);
    // Where the main window's messages appear.
    QPoint messagePos() const;

    QWidget *toDoList() const;
    QWidget *graph() const;
    ToDoListWindow *listWindow() const { return m_list; }
    BarGraphWindow *graphWindow() const { return m_graph; }

    // Milliseconds between closing the graph and starting a partner program from the list.
    static constexpr int LaunchDelayMs = 100;

private:
    void showRecordFromList(MonthKind kind, int dataNo);
    void launchFromList(Partner partner);
    GraphSource sourceForShownMonth() const;

    Session &m_session;
    Services &m_services;
    ViewHost &m_host;
    // Cleared as soon as a window closes, not when Qt deletes it later.
    QPointer<ToDoListWindow> m_list;
    QPointer<BarGraphWindow> m_graph;
    QPointer<JobSearchWindow> m_search;
    bool m_launching = false;
    ModalRunner m_run;
};
