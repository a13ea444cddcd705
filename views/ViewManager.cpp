#include "views/ViewManager.h"

#include "data/RecordText.h"
#include "data/Session.h"
#include "platform/Dialogs.h"
#include "platform/Services.h"
#include "platform/WindowPlacer.h"
#include "views/DataViewerWindow.h"
#include "views/JobSearchWindow.h"
#include "views/PastDataDialog.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QWidget>

using namespace Qt::StringLiterals;

ViewManager::ViewManager(Session &session, Services &services, ViewHost &host, QObject *parent)
    : QObject(parent), m_session(session), m_services(services), m_host(host),
      m_run([](QDialog &dialog) { return dialog.exec(); })
{}

ViewManager::~ViewManager()
{
    closeAll();
    delete m_search;
}

void ViewManager::openToDoList(bool fromButton)
{
    if (m_list)
        return;
    auto *list = new ToDoListWindow(m_session, m_host, m_host.mainWindow());
    m_list = list;
    connect(list, &ToDoListWindow::closed, this, [this, list] {
        if (m_list == list)
            m_list = nullptr;
    });
    connect(list, &ToDoListWindow::jobChosen, this, &ViewManager::showRecordFromList);
    connect(list, &ToDoListWindow::launchRequested, this, &ViewManager::launchFromList);
    // Top of the screen, just right of the main window.
    WindowPlacer::place(list, {WindowPlacer::besideOf(m_host.mainWindow(), QPoint(0, 0)), list->size()});
    list->show();

    if (fromButton && m_session.config().interlockToDoGraph && !isGraphOpen())
        openGraph();
}

void ViewManager::closeToDoList()
{
    if (ToDoListWindow *list = m_list) {
        m_list = nullptr;
        list->close();
    }
}

bool ViewManager::isToDoListOpen() const
{
    return !m_list.isNull();
}

GraphSource ViewManager::sourceForShownMonth() const
{
    GraphSource source;
    const MonthKind kind = m_host.shownMonth();
    if (kind == MonthKind::Past)
        return source; // the past-data output builds its own graph
    source.jobs = &m_session.jobs(kind);
    source.month = m_session.monthNumber(kind);
    // The strip's February is always this year's, also for the previous month.
    source.year = m_session.thisYear();
    source.rowCount = MonthFile::countUsedRecords(*source.jobs);
    source.caption = u"バーグラフ ●"_s + QString::number(source.month) + u"月のデータ"_s;
    return source;
}

void ViewManager::openGraph()
{
    if (m_graph)
        return;
    openGraphFor(sourceForShownMonth());
}

void ViewManager::openGraphFor(const GraphSource &source, QWidget *owner)
{
    closeGraph();
    auto *graph = new BarGraphWindow(m_session, m_host, source, owner ? owner : m_host.mainWindow());
    m_graph = graph;
    connect(graph, &BarGraphWindow::closed, this, [this, graph] {
        if (m_graph == graph)
            m_graph = nullptr;
    });
    graph->show();
}

void ViewManager::closeGraph()
{
    if (BarGraphWindow *graph = m_graph) {
        m_graph = nullptr;
        graph->close();
    }
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

void ViewManager::showRecordFromList(MonthKind kind, int dataNo)
{
    m_host.activateMainWindow();
    // A record that cannot be shown changes nothing: the main window keeps its month and record.
    if (!m_host.showRecord(kind, dataNo))
        return;
    const bool graphWasOpen = isGraphOpen();
    const bool sameMonth = kind == m_host.shownMonth();
    if (graphWasOpen && !sameMonth) {
        // The graph follows the month of the clicked job.
        closeGraph();
        m_host.setShownMonth(kind);
        openGraph();
    }
    m_host.setUpdateEnabled(true);
    m_host.setAppendEnabled(kind == MonthKind::Current);
    if (!(graphWasOpen && sameMonth))
        m_host.showMonthHeader(kind);
    if (!graphWasOpen)
        m_host.setShownMonth(kind);
}

void ViewManager::launchFromList(Partner partner)
{
    if (m_launching)
        return;
    m_launching = true;
    m_host.setPendingLaunchAction(m_session.config().afterLaunch);
    closeGraph();
    // Give the closed graph a moment to go before the partner program takes the screen.
    QTimer::singleShot(LaunchDelayMs, this, [this, partner] {
        m_launching = false;
        m_host.launch(partner);
        if (QWidget *main = m_host.mainWindow()) {
            main->raise();
            main->activateWindow();
        }
        closeToDoList();
    });
}

void ViewManager::showDataViewer()
{
    const MonthKind kind = m_host.shownMonth();
    QStringList lines;
    if (kind != MonthKind::Past)
        lines = RecordText::monthLines(m_session.jobs(kind), m_session.count(kind), RecordText::Form::Viewer);
    DataViewerWindow viewer(m_host, u"データビューア"_s, lines, m_host.mainWindow());
    m_run(viewer);
}

void ViewManager::writeTextFile()
{
    const MonthKind kind = m_host.shownMonth();
    if (kind == MonthKind::Past || !m_session.fileExists(kind))
        return;
    writeTextFileOf(m_session.jobs(kind), m_session.count(kind), m_session.fileName(kind),
                    m_host.mainWindow());
}

bool ViewManager::writeTextFileOf(const MonthFile::Jobs &jobs, int count, const QString &monthFileName,
                                  QWidget *parent)
{
    Dialogs &dialogs = m_services.dialogs;
    const QString name = RecordText::textFileName(monthFileName);
    if (dialogs.askYesNo(parent,
                         u"データをテキストファイル: "_s + name + u" に出力します."_s + u"\r\n"_s +
                             u"実行しますか?"_s,
                         messagePos()) == Dialogs::Answer::No)
        return false;
    const QString path = m_session.pathOf(name);
    const bool existed = QFileInfo::exists(path);
    if (existed && dialogs.askYesNo(parent,
                                    u"データのテキスト出力ファイル: "_s + name + u" が既に存在します."_s +
                                        u"\r\n"_s + u"既存のファイルに上書きします. 実行しますか?"_s,
                                    messagePos()) == Dialogs::Answer::No)
        return false;
    const SafeFile::Result r =
        SafeFile::write(path, RecordText::fileBytes(jobs, count), SafeFile::Tail::Drop);
    if (!r) {
        dialogs.fileError(parent, existed ? FileOperation::Write : FileOperation::Create, path, r.error);
        return false;
    }
    dialogs.inform(parent, u"テキストファイル: "_s + name + u" に出力しました."_s, messagePos());
    return true;
}

void ViewManager::openPastData(const QString &fileName, int dataNo)
{
    const MonthKind shown = m_host.shownMonth();
    if (shown == MonthKind::Past)
        return;
    closeAll();
    PastDataDialog dialog(m_session, m_services, m_host, *this, m_host.mainWindow());
    if (const QWidget *main = m_host.mainWindow())
        dialog.move(main->frameGeometry().topLeft() + QPoint(90, 55));
    m_host.setShownMonth(MonthKind::Past);
    if (!fileName.isEmpty())
        dialog.showRecordOf(fileName, dataNo);
    m_run(dialog);
    dialog.closeOutputs();
    m_host.returnToMonth(shown);
}

QPoint ViewManager::messagePos() const
{
    const QWidget *main = m_host.mainWindow();
    return (main ? main->frameGeometry().topLeft() : QPoint()) + QPoint(50, 200);
}

void ViewManager::openJobSearch()
{
    // A closed window is deleted later: a new one is made rather than showing that one again.
    if (!m_search || !m_search->isVisible()) {
        // Not a child of the main window, which would keep it above the record it shows there.
        auto *window = new JobSearchWindow(m_session);
        connect(window, &JobSearchWindow::recordChosen, this, &ViewManager::showFoundRecord);
        m_search = window;
    }
    m_search->focusSearch();
}

void ViewManager::closeJobSearch()
{
    if (JobSearchWindow *window = m_search) {
        m_search = nullptr;
        window->close();
    }
}

void ViewManager::showFoundRecord(const QString &fileName, int dataNo)
{
    if (fileName != m_session.currentFileName() && fileName != m_session.previousFileName()) {
        openPastData(fileName, dataNo);
        return;
    }
    const MonthKind kind = fileName == m_session.currentFileName() ? MonthKind::Current : MonthKind::Previous;
    // The main window holds the month as read at start-up; what another program added since is not there.
    if (dataNo > m_session.count(kind)) {
        m_services.dialogs.inform(
            m_search, u"このデータ (データNo. %1) は起動後に追加されたため, 表示できません."_s.arg(dataNo),
            messagePos());
        return;
    }
    showRecordFromList(kind, dataNo);
}
