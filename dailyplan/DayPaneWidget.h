#pragma once

#include "data/TimeAxis.h"

#include <QWidget>

// One pane of the plan in the four colours of the day.
class DayPaneWidget final : public QWidget
{
    Q_OBJECT
public:
    DayPaneWidget(const QList<TimeAxis::Band> &bands, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QList<TimeAxis::Band> m_bands;
};
