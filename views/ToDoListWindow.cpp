#include "views/ToDoListWindow.h"

#include "data/Pending.h"
#include "platform/Hints.h"
#include "views/HintForwarder.h"
#include "views/ViewColours.h"
#include "widgets/FixedColours.h"
#include "widgets/InstantMnemonics.h"
#include "widgets/JobRowWidget.h"

#include "ui_ToDoListWindow.h"

#include <QCloseEvent>
#include <QMenu>
#include <QScrollBar>

using namespace Qt::StringLiterals;

namespace {

// Pixel sizes, which a form cannot hold: the captions must line up with the painted rows.
void setPixelSize(QWidget *widget, int pixels, bool bold = false)
{
    QFont f = widget->font();
    f.setPixelSize(pixels);
    f.setBold(bold);
    widget->setFont(f);
}

void setTextColour(QWidget *widget, const QColor &colour)
{
    QPalette p = widget->palette();
    p.setColor(QPalette::WindowText, colour);
    widget->setPalette(p);
}

} // namespace

ToDoListWindow::ToDoListWindow(Session &session, ViewHost &host, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_ui(std::make_unique<Ui::ToDoListWindow>()), m_session(session), m_host(host)
{
    m_ui->setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose);
    forwardHintsToHost(this, host);
    setUpLooks();
    buildRows();
    connect(m_ui->closeButton, &QPushButton::clicked, this, &QWidget::close);
    InstantMnemonics::apply(this);
}

ToDoListWindow::~ToDoListWindow() = default;

QScrollArea *ToDoListWindow::listArea() const
{
    return m_ui->listArea;
}

void ToDoListWindow::setUpLooks()
{
    for (QWidget *caption : {m_ui->explanationLabel, m_ui->dataNoLabel, m_ui->startLabel, m_ui->endLabel,
                             m_ui->titleLabel, m_ui->inProgressLabel})
        setPixelSize(caption, 12);
    QPalette swatch = m_ui->inProgressSwatch->palette();
    swatch.setColor(QPalette::Window, ViewColours::inProgress());
    m_ui->inProgressSwatch->setPalette(swatch);

    m_ui->listArea->verticalScrollBar()->setSingleStep(JobRowWidget::RowHeight);
    FixedColours::setBackground(m_ui->listContent, QPalette::Window, ViewColours::listArea());
    // Not the scroll area itself: its scroll bar would have its pictures cached anew at every opening.
    m_ui->listArea->viewport()->setPalette(m_ui->listContent->palette());

    // The greeting lies under the rows: the first row covers it as soon as there is one.
    setPixelSize(m_ui->refreshDayLabel, 21, true);
    setTextColour(m_ui->refreshDayLabel, QColor(0, 0, 255));
    setPixelSize(m_ui->faceLabel, 24, true);
    setTextColour(m_ui->faceLabel, QColor(255, 0, 255));
}

void ToDoListWindow::buildRows()
{
    m_entries = Pending::jobsToday(m_session, Pending::Rule::OpenToday);
    QWidget *content = m_ui->listContent;
    content->resize(content->width(),
                    qMax(content->height(), JobRowWidget::RowHeight * int(m_entries.size())));
    m_rows.reserve(m_entries.size());
    // Rows are made as they come into view: most openings never scroll.
    QScrollBar *bar = m_ui->listArea->verticalScrollBar();
    const auto addRowsInView = [this, bar] {
        addRowsUpTo((bar->value() + m_ui->listArea->height()) / JobRowWidget::RowHeight + 1);
    };
    addRowsInView();
    connect(bar, &QScrollBar::valueChanged, this, addRowsInView);
}

void ToDoListWindow::addRowsUpTo(qsizetype count)
{
    QWidget *content = m_ui->listContent;
    const QString hint = u"|左クリック - データをメインに表示, 右クリック - ポップアップメニュー"_s;
    for (qsizetype i = m_rows.size(); i < qMin(count, m_entries.size()); ++i) {
        const Pending::JobRef &e = m_entries[i];
        const JobRecord &job = m_session.jobs(e.month)[size_t(e.slot)];
        auto *row = new JobRowWidget(e.month, m_session.monthNumber(e.month), e.slot + 1, job, content);
        row->move(1, JobRowWidget::RowHeight * int(i));
        if (job.check == JobRecord::InProgress)
            row->setBackground(ViewColours::inProgress());
        Hints::set(row, hint);
        connect(row, &JobRowWidget::leftClicked, this, &ToDoListWindow::showJobOfRow);
        connect(row, &JobRowWidget::rightClicked, this,
                [this](JobRowWidget *, const QPoint &globalPos) { listMenu()->popup(globalPos); });
        if (content->isVisible())
            row->show();
        m_rows.append(row);
    }
}

const QList<JobRowWidget *> &ToDoListWindow::rowWidgets()
{
    addRowsUpTo(m_entries.size());
    return m_rows;
}

// Made when first asked for: most openings of the list never show it.
QMenu *ToDoListWindow::listMenu()
{
    if (m_listMenu)
        return m_listMenu;
    m_listMenu = new QMenu(this);
    m_listMenu->setObjectName(u"listMenu"_s);
    auto *pell = m_listMenu->addAction(u"Pellmark を起動(&K)"_s);
    pell->setObjectName(u"launchPellmarkAction"_s);
    pell->setEnabled(m_host.isLaunchEnabled(Partner::Pellmark));
    connect(pell, &QAction::triggered, this, [this] { emit launchRequested(Partner::Pellmark); });
    auto *trev = m_listMenu->addAction(u"Trevant を起動(&J)"_s);
    trev->setObjectName(u"launchTrevantAction"_s);
    trev->setEnabled(m_host.isLaunchEnabled(Partner::Trevant));
    connect(trev, &QAction::triggered, this, [this] { emit launchRequested(Partner::Trevant); });
    m_listMenu->addSeparator();
    auto *close = m_listMenu->addAction(u"閉じる(&C)"_s);
    close->setObjectName(u"closeAction"_s);
    connect(close, &QAction::triggered, this, &QWidget::close);
    return m_listMenu;
}

void ToDoListWindow::showJobOfRow(JobRowWidget *row)
{
    const qsizetype i = m_rows.indexOf(row);
    if (i < 0)
        return;
    const Pending::JobRef &e = m_entries[i];
    emit jobChosen(e.month, e.slot + 1);
}

void ToDoListWindow::closeEvent(QCloseEvent *event)
{
    QWidget::closeEvent(event);
    if (event->isAccepted())
        emit closed();
}

void ToDoListWindow::contextMenuEvent(QContextMenuEvent *event)
{
    listMenu()->popup(event->globalPos());
}
