#include "views/ExportRunner.h"

#include "data/Session.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/Services.h"
#include "views/ExportDialog.h"
#include "views/ViewHost.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProgressDialog>
#include <QSettings>
#include <QStandardPaths>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

constexpr int SliceMs = 20; // work between two looks at the event queue
const QString FolderKey = u"Export/folder"_s;

ExportMonth shownMonthOf(const Session &session, MonthKind kind)
{
    ExportMonth month;
    month.year = kind == MonthKind::Previous ? session.prevMonthYear() : session.thisYear();
    month.month = session.monthNumber(kind);
    month.jobs = session.jobs(kind);
    month.count = session.count(kind);
    return month;
}

} // namespace

ExportRunner::ExportRunner(Session &session, Services &services, ViewHost &host, QObject *parent)
    : QObject(parent), m_session(session), m_services(services), m_host(host), m_timer(new QTimer(this))
{
    showDialogModal = [](ExportDialog &dialog) { return dialog.exec(); };
    m_timer->setInterval(0);
    connect(m_timer, &QTimer::timeout, this, &ExportRunner::runSlice);
}

ExportRunner::~ExportRunner()
{
    delete m_progress;
}

void ExportRunner::start(ExportRequest::Format format)
{
    if (isRunning())
        return;
    QWidget *parent = m_host.mainWindow();
    const ExportMonth shown = shownMonthOf(m_session, m_host.shownMonth());
    ExportDialog dialog(format, {shown.year, shown.month}, m_services.clock.today(), parent);
    if (showDialogModal(dialog) != QDialog::Accepted)
        return;
    ExportRequest request;
    dialog.fill(request, shown);
    request.folder = m_session.exeDir();
    request.stamp = m_services.clock.now();

    const bool csv = format == ExportRequest::Format::Csv;
    const QString path = m_services.dialogs.saveFileName(
        parent, csv ? u"CSV ファイルにエクスポート"_s : u"iCalendar ファイルにエクスポート"_s,
        lastFolder() + u'/' + request.defaultFileName(),
        csv ? u"CSV ファイル (*.csv)"_s : u"iCalendar ファイル (*.ics)"_s);
    if (path.isEmpty())
        return;
    rememberFolder(path);

    m_path = path;
    m_exporter = std::make_unique<Exporter>(request);
    m_progress = new QProgressDialog(u"エクスポートしています..."_s, u"キャンセル"_s, 0,
                                     qMax(1, m_exporter->stepCount()), parent);
    m_progress->setWindowTitle(u"エクスポート"_s);
    m_progress->setWindowModality(Qt::WindowModal);
    m_progress->setMinimumDuration(ProgressDelayMs);
    m_progress->setAutoClose(false);
    m_progress->setAutoReset(false);
    m_progress->setValue(0);
    m_timer->start();
}

void ExportRunner::runSlice()
{
    if (m_progress && m_progress->wasCanceled()) {
        stop();
        return;
    }
    QElapsedTimer slice;
    slice.start();
    while (m_exporter->step() && slice.elapsed() < SliceMs) {
    }
    if (m_progress)
        m_progress->setValue(m_exporter->stepsDone());
    if (m_exporter->atEnd())
        finish();
}

void ExportRunner::finish()
{
    QWidget *parent = m_host.mainWindow();
    const std::unique_ptr<Exporter> exporter = std::move(m_exporter);
    m_timer->stop();
    delete m_progress;
    if (!exporter->failure()) {
        m_services.dialogs.fileError(parent, FileOperation::Read, exporter->failedPath(),
                                     exporter->failure().error);
    } else {
        const bool existed = QFileInfo::exists(m_path);
        const SafeFile::Result r = Exporter::write(m_path, exporter->bytes());
        if (!r) {
            m_services.dialogs.fileError(parent, existed ? FileOperation::Write : FileOperation::Create,
                                         m_path, r.error);
        } else {
            QString text = u"エクスポートしました."_s + u"\r\n\r\n"_s + QDir::toNativeSeparators(m_path);
            if (!exporter->missingMonths().isEmpty())
                text += u"\r\n\r\n"_s + exporter->missingMonthsText();
            m_services.dialogs.inform(parent, text);
        }
    }
    emit finished();
}

void ExportRunner::stop()
{
    m_timer->stop();
    m_exporter.reset();
    delete m_progress;
    emit finished();
}

QString ExportRunner::lastFolder() const
{
    const QSettings settings(m_session.settingsPath(), QSettings::IniFormat);
    const QString folder = settings.value(FolderKey).toString();
    if (!folder.isEmpty() && QFileInfo(folder).isDir())
        return folder;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

void ExportRunner::rememberFolder(const QString &path)
{
    QSettings settings(m_session.settingsPath(), QSettings::IniFormat);
    settings.setValue(FolderKey, QFileInfo(path).absolutePath());
}
