#pragma once

#include "data/Session.h"

#include <QFrame>

class QLineEdit;
struct JobRecord;

// One job as a row of four read-only boxes: "<month>月 No.<n>", start, end and title. Used by the
// to-do list and by the daily planner's list of jobs in progress. The row remembers which month
// and data number it shows.
class JobRowWidget final : public QFrame
{
    Q_OBJECT
public:
    static constexpr int RowHeight = 30;
    static constexpr int RowWidth = 530;

    JobRowWidget(MonthKind kind, int monthNumber, int dataNo, const JobRecord &job,
                 QWidget *parent = nullptr);

    MonthKind monthKind() const { return m_kind; }
    int dataNo() const { return m_dataNo; }
    void setBackground(const QColor &color);

signals:
    void leftClicked(JobRowWidget *row);
    void rightClicked(JobRowWidget *row, const QPoint &globalPos);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QLineEdit *addBox(int left, int width, const QString &text);

    MonthKind m_kind;
    int m_dataNo;
};
