#pragma once

#include "data/Pending.h"
#include "data/Session.h"
#include "views/ViewHost.h"

#include <QList>
#include <QWidget>

#include <memory>

class JobRowWidget;
class QAction;
class QMenu;
class QScrollArea;

namespace Ui {
class ToDoListWindow;
}

// The to-do list: one row for each job of the current and the previous month that is open today.
// Built when opened and never refreshed; the main window closes and reopens it around changes.
class ToDoListWindow final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ToDoListWindow)
public:
    ToDoListWindow(Session &session, ViewHost &host, QWidget *parent = nullptr);
    ~ToDoListWindow() override;

    const QList<Pending::JobRef> &entries() const { return m_entries; }
    // Every row, made now if not yet in view.
    const QList<JobRowWidget *> &rowWidgets();
    QScrollArea *listArea() const;
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
    void setUpLooks();
    void buildRows();
    void addRowsUpTo(qsizetype count);
    void showJobOfRow(JobRowWidget *row);

    std::unique_ptr<Ui::ToDoListWindow> m_ui;
    Session &m_session;
    ViewHost &m_host;
    QList<Pending::JobRef> m_entries;
    QList<JobRowWidget *> m_rows;
    QMenu *m_listMenu = nullptr;
};
