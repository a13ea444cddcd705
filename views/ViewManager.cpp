#include "ViewManager.h"

#include "ViewHost.h"

#include <QWidget>

ViewManager::ViewManager(Session &session, Services &services, ViewHost &host, QObject *parent)
    : QObject(parent), m_session(session), m_services(services), m_host(host)
{
}

ViewManager::~ViewManager()
{
    closeAll();
}

void ViewManager::openToDoList(bool fromButton)
{
    Q_UNUSED(fromButton);
    // The to-do list window arrives with its own change.
}

void ViewManager::closeToDoList()
{
    if (m_list)
        m_list->close();
}

bool ViewManager::isToDoListOpen() const
{
    return !m_list.isNull();
}

void ViewManager::openGraph()
{
    // The bar graph window arrives with its own change.
}

void ViewManager::closeGraph()
{
    if (m_graph)
        m_graph->close();
}

bool ViewManager::isGraphOpen() const
{
    return !m_graph.isNull();
}

ViewManager::Remembered ViewManager::closeForChange()
{
    Remembered r{isToDoListOpen(), isGraphOpen()};
    closeAll();
    return r;
}

void ViewManager::reopen(Remembered remembered)
{
    if (remembered.list)
        openToDoList(false);
    if (remembered.graph)
        openGraph();
}

void ViewManager::closeAll()
{
    closeToDoList();
    closeGraph();
}

QWidget *ViewManager::toDoList() const
{
    return m_list;
}

QWidget *ViewManager::graph() const
{
    return m_graph;
}
