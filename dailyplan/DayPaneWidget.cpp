#include "dailyplan/DayPaneWidget.h"

#include "widgets/RowFill.h"

#include <QPaintEvent>
#include <QPainter>

#include <algorithm>

DayPaneWidget::DayPaneWidget(const QList<TimeAxis::Band> &bands, QWidget *parent)
    : QWidget(parent), m_bands(bands)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void DayPaneWidget::paintEvent(QPaintEvent *event)
{
    QPainter p(this);
    const QRect dirty = event->rect();
    // White only between the bands: they cover most of the day, and painting it twice cost as much
    // as the rest of the plan.
    QList<std::pair<int, int>> covered;
    for (const TimeAxis::Band &b : m_bands)
        covered.append({b.top, b.bottom});
    std::sort(covered.begin(), covered.end());
    const int end = dirty.bottom() + 1;
    int row = dirty.top();
    for (const auto &[top, bottom] : covered) {
        if (row >= end)
            break;
        if (top > row)
            RowFill::fill(p, QRect(dirty.left(), row, dirty.width(), qMin(top, end) - row), Qt::white);
        row = qMax(row, qMax(top, bottom));
    }
    if (row < end)
        RowFill::fill(p, QRect(dirty.left(), row, dirty.width(), end - row), Qt::white);
    for (const TimeAxis::Band &b : m_bands) {
        const QRect band = QRect(0, b.top, width(), b.bottom - b.top) & dirty;
        if (!band.isEmpty())
            RowFill::fill(p, band, QColor(b.color.r, b.color.g, b.color.b));
    }
}
