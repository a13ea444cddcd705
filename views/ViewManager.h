#pragma once

#include <QObject>
#include <QPointer>

class QWidget;
class Session;
class ViewHost;
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

    void openGraph();
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

private:
    Session &m_session;
    Services &m_services;
    ViewHost &m_host;
    QPointer<QWidget> m_list;
    QPointer<QWidget> m_graph;
};
