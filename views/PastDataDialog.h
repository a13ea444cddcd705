#pragma once

#include "data/PastMonths.h"

#include <QDialog>
#include <QPointer>

#include <memory>

class DataViewerWindow;
class QLabel;
class QListWidget;
class Session;
class ViewHost;
class ViewManager;
struct Services;

namespace Ui {
class PastDataDialog;
}

// Lists the month files of earlier months and shows the chosen one as a bar graph (the main
// window following that month), in the data viewer, or writes its text file. The graph and the
// viewer belong to the dialog and close with it.
class PastDataDialog final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PastDataDialog)
public:
    PastDataDialog(Session &session, Services &services, ViewHost &host, ViewManager &views,
                   QWidget *parent = nullptr);
    ~PastDataDialog() override;

    QListWidget *fileList() const;
    DataViewerWindow *viewer() const { return m_viewer; }
    // The selected file name; empty when the list is empty.
    QString selectedName() const;

    void showGraph();
    // Selects month file `name` and shows its graph, the main window showing record `dataNo`.
    void showRecordOf(const QString &name, int dataNo);
    void showViewer();
    void writeTextFile();
    // Closes the graph and the viewer opened from here.
    void closeOutputs();

private:
    // Reads the selected file into the session's past array and takes its month from the name.
    // False (the user has been told) when the name has no year or the file cannot be read.
    bool readSelected(PastMonths::MonthOfName *month);
    QString monthCaption(const PastMonths::MonthOfName &month) const;
    // The graph of the selected month; the main window shows record `dataNo`, or the last one.
    void showGraphAt(int dataNo);

    std::unique_ptr<Ui::PastDataDialog> m_ui;
    Session &m_session;
    Services &m_services;
    ViewHost &m_host;
    ViewManager &m_views;
    QLabel *m_skippedLabel = nullptr; // names the month files whose names are no UTF-8
    QPointer<DataViewerWindow> m_viewer;
};
