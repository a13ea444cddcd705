#pragma once

#include "data/Session.h"

#include <QFont>
#include <QFrame>

#include <array>

struct JobRecord;

// One job as a row of four read-only boxes: "<month>月 No.<n>", start, end and title. Used by the
// to-do list and by the daily planner's list of jobs in progress. The boxes are painted, not made
// of line edits, so a list of fifty rows opens at once. The row remembers which month and data
// number it shows.
class JobRowWidget final : public QFrame
{
    Q_OBJECT
public:
    static constexpr int RowHeight = 30;
    static constexpr int RowWidth = 530;

    enum class Box { DataNo, Start, End, Title };

    JobRowWidget(MonthKind kind, int monthNumber, int dataNo, const JobRecord &job,
                 QWidget *parent = nullptr);

    MonthKind monthKind() const { return m_kind; }
    int dataNo() const { return m_dataNo; }
    void setBackground(const QColor &color);
    QColor background() const
    {
        return m_background.isValid() ? m_background : palette().color(QPalette::Base);
    }

    QString text(Box box) const { return m_boxes[size_t(box)].text; }
    QRect boxRect(Box box) const { return m_boxes[size_t(box)].rect; }

signals:
    void leftClicked(JobRowWidget *row);
    void rightClicked(JobRowWidget *row, const QPoint &globalPos);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    struct Painted
    {
        QRect rect;
        QString text;
        QFont font;
        bool fitted = false;
    };
    void setBox(Box box, int left, int width, const QString &text);

    MonthKind m_kind;
    int m_dataNo;
    QColor m_background;
    std::array<Painted, 4> m_boxes;
};
