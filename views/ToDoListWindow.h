#pragma once

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

    struct Entry
    {
        MonthKind kind = MonthKind::Current;
        int slot = 0;
        bool operator==(const Entry &) const = default;
    };

    // The open jobs, newest first: the current month's used slots from the top down, then the
    // previous month's. A month whose file is missing contributes nothing.
    static QList<Entry> selectEntries(const Session &session);

    ToDoListWindow(Session &session, ViewHost &host, QWidget *parent = nullptr);

    const QList<Entry> &entries() const { return m_entries; }
    const QList<JobRowWidget *> &rowPanels() const { return m_rows; }
    QScrollArea *listArea() const { return m_listArea; }

signals:
    // A left click on a row: the month and the data number to show.
    void rowClicked(MonthKind kind, int dataNo);
    void launchRequested(ViewHost::Partner partner);
    void closed();

protected:
    void closeEvent(QCloseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    void buildHeader();
    void buildList();
    void buildMenu();
    void onRowLeftClicked(JobRowWidget *row);

    Session &m_session;
    ViewHost &m_host;
    QList<Entry> m_entries;
    QList<JobRowWidget *> m_rows;
    QScrollArea *m_listArea = nullptr;
    QMenu *m_popup = nullptr;
};
