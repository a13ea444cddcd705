#pragma once

#include "data/DayFile.h"

#include <QWidget>

// A white drag column beside the scale (pbxTimeL, pbxTimeR), showing the bars of its side.
class DragColumnWidget final : public QWidget
{
    Q_OBJECT
public:
    enum class Side { Left, Right };
    DragColumnWidget(Side side, QWidget *parent = nullptr);

    Side side() const { return m_side; }
    // Takes the bars and repaints the rows of the entries that changed.
    void setBars(const ScheduleBars &bars);
    // Columns filled by a bar: [0, 11) on the left, [1, 12) on the right.
    QRect barRect(const ScheduleBar &bar) const;

signals:
    void pressed(DragColumnWidget *column, Qt::MouseButton button, int y);
    void moved(DragColumnWidget *column, int y);
    void released(DragColumnWidget *column, Qt::MouseButton button, int y);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    bool drawsHere(const ScheduleBar &bar) const;

    Side m_side;
    ScheduleBars m_bars;
};
