#pragma once

#include "data/BarChart.h"

#include <QFrame>

// One month of the bar graph's day scale: month number, base line, ticks and the 10/20/30 labels.
class MonthScaleWidget final : public QFrame
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MonthScaleWidget)
public:
    // `index` counts the months from 1, left to right.
    MonthScaleWidget(const BarChart::MonthPanel &panel, int index, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    BarChart::MonthPanel m_panel;
};
