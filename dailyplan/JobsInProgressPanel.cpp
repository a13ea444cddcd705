#include "dailyplan/JobsInProgressPanel.h"
#include "ui_DailyPlannerJobsPanel.h"

#include "platform/Hints.h"
#include "widgets/BoxPictureStyle.h"
#include "widgets/ColorFrame.h"
#include "widgets/FixedColours.h"
#include "widgets/JobRowWidget.h"

#include <QLabel>
#include <QScrollBar>

using namespace Qt::StringLiterals;

JobsInProgressPanel::JobsInProgressPanel(QWidget *parent)
    : m_ui(std::make_unique<Ui::DailyPlannerJobsPanel>()),
      m_frame(new ColorFrame(FixedColours::skyBlue(), parent))
{
    m_ui->setupUi(m_frame);
    // The panel is painted sky blue: its labels are black whatever the theme.
    for (QLabel *l : m_frame->findChildren<QLabel *>()) {
        FixedColours::setText(l);
        l->adjustSize();
    }
    setCount(0);
    m_rows = new ColorFrame(FixedColours::skyBlue());
    m_rows->resize(JobRowWidget::RowWidth + 2, 0);
    m_ui->jobsScrollArea->setWidget(m_rows);
    m_ui->jobsScrollArea->verticalScrollBar()->setStyle(BoxPictureStyle::instance());
    Hints::set(m_ui->jobsScrollArea, u"遂行中ジョブ|今月と前月のジョブのうち,本日遂行中のものの一覧です"_s);
}

JobsInProgressPanel::~JobsInProgressPanel() = default;

QFrame *JobsInProgressPanel::frame() const
{
    return m_frame;
}

void JobsInProgressPanel::addJob(MonthKind kind, int monthNumber, int dataNo, const JobRecord &job)
{
    auto *row = new JobRowWidget(kind, monthNumber, dataNo, job, m_rows);
    row->setBackground(QColor(0, 255, 255));
    row->move(1, m_rowCount * JobRowWidget::RowHeight);
    ++m_rowCount;
    m_rows->resize(JobRowWidget::RowWidth + 2, m_rowCount * JobRowWidget::RowHeight);
    row->show();
}

void JobsInProgressPanel::setCount(int count)
{
    m_ui->jobCountLabel->setText(u"現在遂行中の件数： "_s + QString::number(count));
    m_ui->jobCountLabel->adjustSize();
}
