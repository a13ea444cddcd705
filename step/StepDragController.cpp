#include "step/StepDragController.h"

#include "step/StepChartWidget.h"
#include "step/StepStripWidget.h"

#include <QMouseEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>

using StepChart::BarPixels;

StepDragController::StepDragController(StepChartWidget &chart, QScrollArea &view, QObject *parent)
    : QObject(parent), m_chart(chart), m_view(view)
{
    for (int r = 0; r < StepChart::RowCount; ++r) {
        for (Kind k : {Kind::Initial, Kind::Revised, Kind::Actual})
            m_chart.strip(r, k)->installEventFilter(this);
    }
}

bool StepDragController::eventFilter(QObject *watched, QEvent *event)
{
    const auto type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseMove && type != QEvent::MouseButtonRelease)
        return QObject::eventFilter(watched, event);
    const auto strip = m_chart.stripOf(watched);
    const auto *mouse = static_cast<QMouseEvent *>(event);
    const int x = mouse->position().toPoint().x();
    const bool dragged = m_drag && strip == std::pair(m_drag->row, m_drag->kind);
    // Only the left button drags: a right press opens the chart menu and sets nothing.
    if (type == QEvent::MouseButtonPress && mouse->button() == Qt::LeftButton && strip)
        begin(strip->first, strip->second, x);
    else if (type == QEvent::MouseMove && dragged)
        dragTo(x);
    else if (type == QEvent::MouseButtonRelease && mouse->button() == Qt::LeftButton && dragged)
        end(x);
    return QObject::eventFilter(watched, event);
}

void StepDragController::begin(int row, Kind kind, int x)
{
    if (!accepts(row, kind))
        return;
    emit started(row, kind);
    m_drag = Drag{row, kind, x, m_chart.bar(row, kind)};
    m_chart.setBar(row, kind, BarPixels{x, x});
}

void StepDragController::dragTo(int x)
{
    if (!accepts(m_drag->row, m_drag->kind))
        return;
    if (m_pause && m_pause->isActive())
        return;
    if (scrollAtEdge(x)) {
        if (!m_pause) {
            m_pause = new QTimer(this);
            m_pause->setSingleShot(true);
            m_pause->setInterval(ScrollPauseMs);
        }
        m_pause->start();
    }
    m_chart.setBar(m_drag->row, m_drag->kind, BarPixels{qMin(m_drag->left, x), qMax(m_drag->left, x)});
}

bool StepDragController::scrollAtEdge(int x)
{
    QScrollBar *bar = m_view.horizontalScrollBar();
    const int before = bar->value();
    const int pointer = m_chart.strip(m_drag->row, m_drag->kind)->mapTo(&m_chart, QPoint(x, 0)).x();
    const int view = m_view.viewport()->width();
    if (before + view - (pointer + StepChart::DayWidth) < ScrollMargin)
        bar->setValue(bar->value() + ScrollStep);
    if (pointer + StepChart::DayWidth - bar->value() < ScrollMargin)
        bar->setValue(bar->value() - ScrollStep);
    return bar->value() != before;
}

void StepDragController::end(int x)
{
    const Drag drag = *m_drag;
    m_drag.reset();
    if (m_pause)
        m_pause->stop();
    emit released(drag, x, accepts(drag.row, drag.kind));
}
