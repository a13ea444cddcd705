#pragma once

#include "data/Pending.h"
#include "data/Session.h"
#include "views/ViewHost.h"

#include <QList>
#include <QWidget>

class JobRowWidget;
class QAction;
class QMenu;
class QScrollArea;

// The to-do list: one row for each job of the current and the previous month that is open today.
// Built when opened and never refreshed; the main window closes and reopens it around changes.
class ToDoListWindow final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ToDoListWindow)
public:
    static constexpr int WindowWidth = 560;
    static constexpr int WindowHeight = 300;

    ToDoListWindow(Session &session, ViewHost &host, QWidget *parent = nullptr);

    const QList<Pending::JobRef> &entries() const { return m_entries; }
    const QList<JobRowWidget *> &rowWidgets() const { return m_rows; }
    QScrollArea *listArea() const { return m_listArea; }
    QMenu *listMenu();

signals:
    // A left click on a row: the month and the data number to show.
    void jobChosen(MonthKind kind, int dataNo);
    void launchRequested(Partner partner);
    void closed();

protected:
    void closeEvent(QCloseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    void buildHeader();
    void buildList();
    void showJobOfRow(JobRowWidget *row);

    Session &m_session;
    ViewHost &m_host;
    QList<Pending::JobRef> m_entries;
    QList<JobRowWidget *> m_rows;
    QScrollArea *m_listArea = nullptr;
    QMenu *m_listMenu = nullptr;
};
