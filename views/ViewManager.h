#pragma once

#include "views/BarGraphWindow.h"
#include "views/ToDoListWindow.h"
#include "views/ViewHost.h"

#include <QObject>
#include <QPointer>

class QWidget;
class Session;
struct Services;

// Owns the two modeless views of the month, the to-do list and the bar graph. Each exists at most
// once; they are built when opened and never refreshed, so every data change of the main window
// closes them first and reopens them afterwards (closeForChange / reopen).
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
    bool m_launching = false;
};
