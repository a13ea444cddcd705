#include "views/PastDataDialog.h"

#include "data/RecordText.h"
#include "data/Session.h"
#include "platform/Dialogs.h"
#include "platform/Hints.h"
#include "platform/Services.h"
#include "views/DataViewerWindow.h"
#include "views/HintForwarder.h"
#include "views/ViewHost.h"
#include "views/ViewManager.h"
#include "widgets/InstantMnemonics.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {

constexpr int ButtonLeft = 170;
constexpr int ButtonWidth = 160;
constexpr int ButtonHeight = 27;

} // namespace

PastDataDialog::PastDataDialog(Session &session, Services &services, ViewHost &host, ViewManager &views,
                               QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_session(session), m_services(services), m_host(host), m_views(views)
{
    setObjectName(u"frmPastDataOut"_s);
    setWindowTitle(u"過去のデータ出力"_s);
    forwardHintsToHost(this, host);

    auto *caption = new QLabel(u"データファイル一覧："_s, this);
    caption->move(10, 8);
    caption->adjustSize();
    m_fileList = new QListWidget(this);
    m_fileList->setObjectName(u"lbxFileList"_s);
    m_fileList->setGeometry(10, 28, 150, 190);
    // Long names scroll sideways rather than lose their end.
    m_fileList->setTextElideMode(Qt::ElideNone);
    m_fileList->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    Hints::set(m_fileList, u"|作成済みデータファイルが表示されます."_s);
    m_fileList->addItems(
        PastMonths::list(session.exeDir(), session.currentFileName(), session.previousFileName()));
    if (m_fileList->count() > 0)
        m_fileList->setCurrentRow(0);

    int top = 28;
    auto button = [&](const char16_t *name, const QString &text, const QString &hint) {
        auto *b = new QPushButton(text, this);
        b->setObjectName(QString::fromUtf16(name));
        b->setGeometry(ButtonLeft, top, ButtonWidth, ButtonHeight);
        b->setAutoDefault(false);
        if (!hint.isEmpty())
            Hints::set(b, hint);
        top += ButtonHeight + 8;
        return b;
    };
    connect(button(u"btnOutToBarGraph", u"バーグラフに表示(&G)"_s, {}), &QPushButton::clicked, this,
            &PastDataDialog::showGraph);
    connect(button(u"btnOutToViewer", u"データビューアに表示(&V)"_s,
                   u"|選択ファイルのデータをデータビューアに表示します."_s),
            &QPushButton::clicked, this, &PastDataDialog::showViewer);
    connect(button(u"btnOutToTextFile", u"テキストファイルに出力(&T)"_s,
                   u"|選択ファイルのデータをテキストファイルに出力します."_s),
            &QPushButton::clicked, this, &PastDataDialog::writeTextFile);
    top = 28 + 190 - ButtonHeight;
    connect(button(u"btnCancel", u"閉じる(&C)"_s, u"|ダイアログを閉じます."_s), &QPushButton::clicked, this,
            &QDialog::reject);

    int height = 28 + 190 + 10;
    if (const QStringList skipped = PastMonths::namesNotUtf8(session.exeDir()); !skipped.isEmpty()) {
        // Their names cannot be opened as they are; the user can rename them.
        m_skippedLabel = new QLabel(u"次のファイルは名前が UTF-8 でないため開けません. "_s
                                    u"名前を変えると一覧に表示されます: "_s +
                                        skipped.join(u", "_s),
                                    this);
        m_skippedLabel->setObjectName(u"skippedFilesLabel"_s);
        m_skippedLabel->setWordWrap(true);
        m_skippedLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
        const int width = ButtonLeft + ButtonWidth - 10;
        m_skippedLabel->setGeometry(10, height - 4, width, m_skippedLabel->heightForWidth(width));
        height += m_skippedLabel->height() + 4;
    }
    setFixedSize(ButtonLeft + ButtonWidth + 10, height);
    InstantMnemonics::apply(this);
}

QString PastDataDialog::selectedName() const
{
    const QListWidgetItem *item = m_fileList->currentItem();
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
    const QList<QListWidgetItem *> found = m_fileList->findItems(name, Qt::MatchExactly);
    if (found.isEmpty())
        return;
    m_fileList->setCurrentItem(found.first());
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
    const SafeFile::Result r = PastMonths::read(m_session.pathOf(name), &jobs);
    if (!r) {
        m_services.dialogs.fileError(this, FileOperation::Read, m_session.pathOf(name), r.error);
        return;
    }
    m_views.writeTextFileOf(jobs, MonthFile::countUsedRecords(jobs), name, this);
}

void PastDataDialog::closeOutputs()
{
    if (DataViewerWindow *viewer = m_viewer) {
        m_viewer = nullptr;
        viewer->close();
    }
    m_views.closeGraph();
}
