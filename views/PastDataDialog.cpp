#include "views/PastDataDialog.h"

#include "data/RecordText.h"
#include "data/Session.h"
#include "platform/Dialogs.h"
#include "platform/Services.h"
#include "views/DataViewerWindow.h"
#include "views/HintForwarder.h"
#include "views/ViewHost.h"
#include "views/ViewManager.h"
#include "widgets/InstantMnemonics.h"

#include "ui_PastDataDialog.h"

#include <QLabel>

using namespace Qt::StringLiterals;

PastDataDialog::PastDataDialog(Session &session, Services &services, ViewHost &host, ViewManager &views,
                               QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_ui(std::make_unique<Ui::PastDataDialog>()), m_session(session), m_services(services), m_host(host),
      m_views(views)
{
    m_ui->setupUi(this);
    forwardHintsToHost(this, host);
    QListWidget *list = m_ui->fileList;
    list->addItems(PastMonths::list(session.exeDir(), session.currentFileName(), session.previousFileName()));
    if (list->count() > 0)
        list->setCurrentRow(0);
    connect(m_ui->graphButton, &QPushButton::clicked, this, &PastDataDialog::showGraph);
    connect(m_ui->viewerButton, &QPushButton::clicked, this, &PastDataDialog::showViewer);
    connect(m_ui->textFileButton, &QPushButton::clicked, this, &PastDataDialog::writeTextFile);
    connect(m_ui->closeButton, &QPushButton::clicked, this, &QDialog::reject);

    int dialogHeight = m_ui->fileList->geometry().bottom() + 1 + 10;
    if (const QStringList skipped = PastMonths::namesNotUtf8(session.exeDir()); !skipped.isEmpty()) {
        // Their names cannot be opened as they are; the user can rename them.
        m_skippedLabel = new QLabel(u"次のファイルは名前が UTF-8 でないため開けません. "_s
                                    u"名前を変えると一覧に表示されます: "_s +
                                        skipped.join(u", "_s),
                                    this);
        m_skippedLabel->setObjectName(u"skippedFilesLabel"_s);
        m_skippedLabel->setWordWrap(true);
        m_skippedLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
        const int labelWidth = m_ui->closeButton->geometry().right() + 1 - 10;
        m_skippedLabel->setGeometry(10, dialogHeight - 4, labelWidth,
                                    m_skippedLabel->heightForWidth(labelWidth));
        dialogHeight += m_skippedLabel->height() + 4;
    }
    setFixedSize(width(), dialogHeight);
    InstantMnemonics::apply(this);
}

PastDataDialog::~PastDataDialog() = default;

QListWidget *PastDataDialog::fileList() const
{
    return m_ui->fileList;
}

QString PastDataDialog::selectedName() const
{
    const QListWidgetItem *item = m_ui->fileList->currentItem();
    return item ? item->text() : QString();
}

QString PastDataDialog::monthCaption(const PastMonths::MonthOfName &month) const
{
    return QString::number(month.year) + u"年 "_s + QString::number(month.month) + u"月のデータ"_s;
}

bool PastDataDialog::readSelected(PastMonths::MonthOfName *month)
{
    const QString name = selectedName();
    *month = PastMonths::monthOf(name);
    if (!month->hasYear) {
        m_services.dialogs.inform(this, u"データファイル: "_s + name + u" の年が不明です."_s,
                                  m_views.messagePos());
        return false;
    }
    const SafeFile::Result r = m_session.loadPast(name);
    if (!r) {
        m_services.dialogs.fileError(this, FileOperation::Read, m_session.pathOf(name), r.error);
        return false;
    }
    if (month->month == 0)
        m_services.dialogs.inform(this, u"月が不明です."_s, m_views.messagePos());
    return true;
}

void PastDataDialog::showGraph()
{
    showGraphAt(0);
}

void PastDataDialog::showRecordOf(const QString &name, int dataNo)
{
    const QList<QListWidgetItem *> found = m_ui->fileList->findItems(name, Qt::MatchExactly);
    if (found.isEmpty())
        return;
    m_ui->fileList->setCurrentItem(found.first());
    showGraphAt(dataNo);
}

void PastDataDialog::showGraphAt(int dataNo)
{
    if (selectedName().isEmpty())
        return;
    closeOutputs();
    // The dialog steps aside, right of the main window, to leave the graph in view.
    if (const QWidget *main = m_host.mainWindow();
        main && frameGeometry().left() != main->frameGeometry().width())
        move(main->frameGeometry().width(), frameGeometry().top());
    PastMonths::MonthOfName month;
    if (!readSelected(&month))
        return;
    const int count = m_session.count(MonthKind::Past);
    m_host.showRecord(MonthKind::Past, dataNo > 0 && dataNo <= count ? dataNo : count);
    m_host.showPastMonthHeader(month.year, month.month);
    m_views.openGraphFor({&m_session.jobs(MonthKind::Past), month.month, month.year, count,
                          u"バーグラフ ●"_s + monthCaption(month)},
                         this);
}

void PastDataDialog::showViewer()
{
    if (selectedName().isEmpty())
        return;
    closeOutputs();
    if (const QWidget *main = m_host.mainWindow()) {
        const int left = main->frameGeometry().left() + 90;
        if (frameGeometry().left() != left)
            move(left, frameGeometry().top());
    }
    PastMonths::MonthOfName month;
    if (!readSelected(&month))
        return;
    auto *viewer = new DataViewerWindow(m_host, u"データビューア ●"_s + monthCaption(month),
                                        RecordText::monthLines(m_session.jobs(MonthKind::Past),
                                                               m_session.count(MonthKind::Past),
                                                               RecordText::Form::Viewer),
                                        this);
    viewer->setAttribute(Qt::WA_DeleteOnClose);
    m_viewer = viewer;
    viewer->show();
}

void PastDataDialog::writeTextFile()
{
    const QString name = selectedName();
    if (name.isEmpty())
        return;
    // Read apart from the past array, which an open graph's rows still stand for.
    MonthFile::Jobs jobs{};
    QByteArray image;
    const SafeFile::Result r = PastMonths::read(m_session.pathOf(name), &jobs, &image);
    if (!r) {
        m_services.dialogs.fileError(this, FileOperation::Read, m_session.pathOf(name), r.error);
        return;
    }
    m_views.writeTextFileOf(image, MonthFile::countUsedRecords(jobs), name, this);
}

void PastDataDialog::closeOutputs()
{
    if (DataViewerWindow *viewer = m_viewer) {
        m_viewer = nullptr;
        viewer->close();
    }
    m_views.closeGraph();
}
