#pragma once

#include "data/Session.h"

#include <memory>

namespace Ui {
class DailyPlannerJobsPanel;
} // namespace Ui
class ColorFrame;
class QFrame;
class QWidget;
struct JobRecord;

// The sky-blue panel at the top of the daily planner: the jobs in progress today, one row each,
// and their count.
class JobsInProgressPanel final
{
public:
    explicit JobsInProgressPanel(QWidget *parent);
    ~JobsInProgressPanel();
    JobsInProgressPanel(const JobsInProgressPanel &) = delete;
    JobsInProgressPanel &operator=(const JobsInProgressPanel &) = delete;

    QFrame *frame() const;
    void addJob(MonthKind kind, int monthNumber, int dataNo, const JobRecord &job);
    void setCount(int count);

private:
    std::unique_ptr<Ui::DailyPlannerJobsPanel> m_ui;
    ColorFrame *m_frame = nullptr;
    QWidget *m_rows = nullptr;
    int m_rowCount = 0;
};
