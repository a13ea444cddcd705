#pragma once

#include "export/Exporter.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>
#include <memory>

class ExportDialog;
class QProgressDialog;
class QTimer;
class Session;
class ViewHost;
struct Services;

// An export from the main window: the dialog of what to export, Qt's save dialog (in the folder
// used last), the work in slices between which the window stays responsive, a progress dialog
// once it runs past 300 ms, and the message naming the file written.
class ExportRunner final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ExportRunner)
public:
    static constexpr int ProgressDelayMs = 300;

    ExportRunner(Session &session, Services &services, ViewHost &host, QObject *parent = nullptr);
    ~ExportRunner() override;

    void start(ExportRequest::Format format);
    bool isRunning() const { return m_exporter != nullptr; }
    // Shows the dialog modally and returns its result; tests replace it.
    std::function<int(ExportDialog &)> showDialogModal;

signals:
    // The export has ended, written or not.
    void finished();

private:
    void runSlice();
    void finish();
    void stop();
    QString lastFolder() const;
    void rememberFolder(const QString &path);

    Session &m_session;
    Services &m_services;
    ViewHost &m_host;
    std::unique_ptr<Exporter> m_exporter;
    QString m_path;
    QTimer *m_timer = nullptr;
    QPointer<QProgressDialog> m_progress;
};
