#include "dailyplan/DayPaneWidget.h"

#include "widgets/RowFill.h"

#include <QPaintEvent>
#include <QPainter>

DayPaneWidget::DayPaneWidget(const QList<TimeAxis::Band> &bands, QWidget *parent)
    : QWidget(parent), m_bands(bands)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void DayPaneWidget::paintEvent(QPaintEvent *event)
{
    QPainter p(this);
    const QRect dirty = event->rect();
    RowFill::fill(p, dirty, Qt::white);
    for (const TimeAxis::Band &b : m_bands) {
        const QRect band = QRect(0, b.top, width(), b.bottom - b.top) & dirty;
        if (!band.isEmpty())
            RowFill::fill(p, band, QColor(b.color.r, b.color.g, b.color.b));
    }
}
