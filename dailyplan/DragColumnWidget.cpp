#include "dailyplan/DragColumnWidget.h"

#include "data/TimeAxis.h"
#include "widgets/ColorComboBox.h"
#include "widgets/RowFill.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

using namespace Qt::StringLiterals;

DragColumnWidget::DragColumnWidget(Side side, QWidget *parent) : QWidget(parent), m_side(side)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_bars.fill(ScheduleBar::unused());
    setCursor(Qt::CrossCursor);
}

bool DragColumnWidget::drawsHere(const ScheduleBar &bar) const
{
    return bar.inUse() && bar.side == (m_side == Side::Left ? u"L"_s : u"R"_s);
}

QRect DragColumnWidget::barRect(const ScheduleBar &bar) const
{
    const int left = m_side == Side::Left ? 0 : 1;
    // Rows from a damaged file are kept to the column, so the height cannot overflow.
    const int top = qBound(-1, int(bar.startRow), TimeAxis::Rows + 1);
    const int bottom = qBound(-1, int(bar.endRow), TimeAxis::Rows + 1);
    return QRect(left, top, 11, bottom - top);
}

void DragColumnWidget::setBars(const ScheduleBars &bars)
{
    for (int k = 0; k < PadSlots; ++k) {
        const ScheduleBar &was = m_bars[k];
        const ScheduleBar &now = bars[k];
        if (was == now)
            continue;
        if (drawsHere(was))
            update(barRect(was).normalized().adjusted(0, 0, 0, 1));
        if (drawsHere(now))
            update(barRect(now).normalized().adjusted(0, 0, 0, 1));
    }
    m_bars = bars;
}

void DragColumnWidget::paintEvent(QPaintEvent *event)
{
    QPainter p(this);
    const QRect dirty = event->rect();
    RowFill::fill(p, dirty, Qt::white);
    for (const ScheduleBar &bar : m_bars) {
        if (!drawsHere(bar) || bar.endRow <= bar.startRow) // an end not below the start covers nothing
            continue;
        const QRect r = barRect(bar) & dirty;
        if (!r.isEmpty())
            RowFill::fill(p, r, ColorComboBox::toColor(bar.barColor));
    }
}

void DragColumnWidget::mousePressEvent(QMouseEvent *event)
{
    emit pressed(this, event->button(), int(event->position().y()));
}

void DragColumnWidget::mouseMoveEvent(QMouseEvent *event)
{
    emit moved(this, int(event->position().y()));
}

void DragColumnWidget::mouseReleaseEvent(QMouseEvent *event)
{
    emit released(this, event->button(), int(event->position().y()));
}
