#include "views/JobSearchWindow.h"

#include "data/DateText.h"
#include "data/Session.h"
#include "views/HighlightDelegate.h"
#include "views/JobSearchModel.h"
#include "widgets/InstantMnemonics.h"

#include "ui_JobSearchWindow.h"

#include <QEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QSet>
#include <QShortcut>

using namespace Qt::StringLiterals;

namespace {

// Puts `values` after the first item ("すべて"), keeping the chosen value when it is still there.
void refill(QComboBox *box, const QStringList &values)
{
    const QVariant chosen = box->currentData();
    const QSignalBlocker blocker(box);
    while (box->count() > 1)
        box->removeItem(1);
    for (const QString &value : values)
        box->addItem(value, value);
    box->setCurrentIndex(std::max(0, box->findData(chosen)));
}

// The configured entries first, in their order, then what only the files hold.
QStringList choices(const std::array<QString, Config::ListSize> &configured, const QStringList &inFiles)
{
    QStringList out;
    for (const QString &value : configured) {
        if (!value.isEmpty() && !out.contains(value))
            out.append(value);
    }
    const QSet<QString> listed(out.begin(), out.end());
    for (const QString &value : inFiles) {
        if (!listed.contains(value))
            out.append(value);
    }
    return out;
}

} // namespace

JobSearchWindow::JobSearchWindow(Session &session, QWidget *parent)
    : QWidget(parent, Qt::Window), m_ui(std::make_unique<Ui::JobSearchWindow>()), m_session(session),
      m_cache(session.exeDir())
{
    m_ui->setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose);
    m_model = new JobSearchModel(m_cache, this);

    fillStates();
    for (QComboBox *box : {m_ui->customerComboBox, m_ui->jobTypeComboBox})
        box->addItem(u"すべて"_s);
    fillChoices();
    for (PopupDateEdit *edit : {m_ui->fromDateEdit, m_ui->toDateEdit})
        edit->setDisplayFormat(DateText::longDateFormat());
    m_ui->fromDateEdit->setDate(session.today().addYears(-1));
    m_ui->toDateEdit->setDate(session.today());

    QTableView *view = m_ui->resultView;
    view->setModel(m_model);
    view->setItemDelegate(new HighlightDelegate(JobSearchModel::SpansRole, view));
    view->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    view->horizontalHeader()->setSortIndicator(JobSearchModel::MonthColumn, Qt::DescendingOrder);
    view->setSortingEnabled(true);
    sizeColumns();

    m_searchTimer.setSingleShot(true);
    m_searchTimer.setInterval(SearchDelayMs);
    connect(&m_searchTimer, &QTimer::timeout, this, &JobSearchWindow::search);
    connect(m_ui->searchEdit, &QLineEdit::textChanged, &m_searchTimer, qOverload<>(&QTimer::start));
    for (QComboBox *box : {m_ui->stateComboBox, m_ui->customerComboBox, m_ui->jobTypeComboBox})
        connect(box, &QComboBox::currentIndexChanged, this, &JobSearchWindow::search);
    connect(m_ui->periodCheckBox, &QCheckBox::toggled, this, [this](bool on) {
        m_ui->fromDateEdit->setEnabled(on);
        m_ui->toDateEdit->setEnabled(on);
        search();
    });
    for (PopupDateEdit *edit : {m_ui->fromDateEdit, m_ui->toDateEdit})
        connect(edit, &QDateEdit::dateChanged, this, &JobSearchWindow::search);
    connect(view, &QAbstractItemView::activated, this, &JobSearchWindow::openHit);
    m_ui->searchEdit->installEventFilter(this);
    connect(m_ui->closeButton, &QPushButton::clicked, this, &QWidget::close);
    connect(new QShortcut(QKeySequence::Cancel, this), &QShortcut::activated, this, &QWidget::close);

    connect(&m_loadTimer, &QTimer::timeout, this, &JobSearchWindow::loadStep);
    m_loadTimer.start(0);
    m_ui->statusLabel->setText(u"月のファイルを読み込んでいます…"_s);
    InstantMnemonics::apply(this);
}

JobSearchWindow::~JobSearchWindow() = default;

void JobSearchWindow::fillStates()
{
    const std::pair<const char16_t *, JobSearch::State> states[] = {{u"未完", JobSearch::State::NotDone},
                                                                    {u"遂行中", JobSearch::State::InProgress},
                                                                    {u"完了", JobSearch::State::Done},
                                                                    {u"すべて", JobSearch::State::Any}};
    for (const auto &[text, state] : states)
        m_ui->stateComboBox->addItem(QString::fromUtf16(text), int(state));
    m_ui->stateComboBox->setCurrentIndex(m_ui->stateComboBox->count() - 1);
}

void JobSearchWindow::fillChoices()
{
    const JobSearch::Query before = query();
    const Config &config = m_session.config();
    refill(m_ui->customerComboBox, choices(config.customerList, m_model->customers()));
    refill(m_ui->jobTypeComboBox, choices(config.jobTypeList, m_model->jobTypes()));
    // A chosen value no longer in the files falls back to "すべて", silently for the box.
    if (!isLoading() && !(query() == before))
        search();
}

void JobSearchWindow::sizeColumns()
{
    // Wide enough for the longest usual text or the caption with its sort arrow, in this font.
    const QString samples[JobSearchModel::ColumnCount] = {u"2024年12月"_s,
                                                          u"60"_s,
                                                          u"見積書の作成と提出の準備 第2版"_s,
                                                          u"株式会社ミドリ商店"_s,
                                                          u"A-2024-0001-01"_s,
                                                          u"保守・点検"_s,
                                                          u"2024/05/16"_s,
                                                          u"2024/05/16"_s,
                                                          u"遂行中"_s};
    QHeaderView *header = m_ui->resultView->horizontalHeader();
    const QFontMetrics metrics(m_ui->resultView->font());
    for (int column = 0; column < JobSearchModel::ColumnCount; ++column) {
        const QString caption = m_model->headerData(column, Qt::Horizontal).toString();
        const int width = std::max(metrics.horizontalAdvance(samples[column]),
                                   header->fontMetrics().horizontalAdvance(caption) + 16);
        header->resizeSection(column, width + 16);
    }
    // Wide enough to show every column without scrolling sideways.
    const QTableView *view = m_ui->resultView;
    const QMargins margins = layout()->contentsMargins();
    const int wanted = header->length() + 2 * view->frameWidth() + margins.left() + margins.right() +
                       view->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, view);
    resize(std::max(width(), wanted), height());
}

void JobSearchWindow::loadStep()
{
    const MonthFileCache::Scan scan = m_cache.refresh(std::chrono::milliseconds(LoadStepMs));
    if (scan.pending > 0) {
        const qsizetype done = scan.months.size() + scan.unreadable.size();
        m_ui->statusLabel->setText(
            u"月のファイルを読み込んでいます… %1 / %2"_s.arg(done).arg(done + scan.pending));
        return;
    }
    m_loadTimer.stop();
    search();
    fillChoices();
}

JobSearch::Query JobSearchWindow::query() const
{
    JobSearch::Query q;
    q.words = JobSearch::words(m_ui->searchEdit->text());
    q.filter.state = JobSearch::State(m_ui->stateComboBox->currentData().toInt());
    if (const QVariant customer = m_ui->customerComboBox->currentData(); customer.isValid())
        q.filter.customer = customer.toString();
    if (const QVariant jobType = m_ui->jobTypeComboBox->currentData(); jobType.isValid())
        q.filter.jobType = jobType.toString();
    if (m_ui->periodCheckBox->isChecked()) {
        q.filter.from = m_ui->fromDateEdit->date();
        q.filter.to = m_ui->toDateEdit->date();
    }
    return q;
}

void JobSearchWindow::search()
{
    m_searchTimer.stop();
    if (isLoading())
        return; // the end of the first reading searches
    m_model->search(query());
    m_ui->statusLabel->setText(m_model->statusText());
    m_ui->statusLabel->setToolTip(m_model->unreadableFiles().join(u'\n'));
}

void JobSearchWindow::openHit(const QModelIndex &index)
{
    if (!index.isValid())
        return;
    // Copied: showing a past month runs a modal dialog, after which the rows may be new ones.
    const JobSearch::Hit hit = m_model->hit(index.row());
    emit recordChosen(hit.month->fileName, hit.record().dataNo);
}

void JobSearchWindow::focusSearch()
{
    if (isMinimized())
        showNormal();
    else
        show();
    raise();
    activateWindow();
    m_ui->searchEdit->setFocus();
    m_ui->searchEdit->selectAll();
}

bool JobSearchWindow::eventFilter(QObject *watched, QEvent *event)
{
    // Down from the search words goes to the hits, so that the keyboard alone opens one.
    if (watched == m_ui->searchEdit && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent *>(event)->key() == Qt::Key_Down && m_model->rowCount() > 0) {
        m_ui->resultView->setFocus();
        m_ui->resultView->selectRow(0);
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void JobSearchWindow::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    // Back from the main window, where a save may have changed a month: only a change resets the rows.
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && !isLoading()) {
        search();
        fillChoices();
    }
}
