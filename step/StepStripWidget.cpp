#include "step/StepStripWidget.h"

#include <QPaintEvent>
#include <QPainter>

StepStripWidget::StepStripWidget(const QColor &background, const QColor &bar, QWidget *parent)
    : QWidget(parent), m_background(background), m_barColour(bar)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QRect StepStripWidget::barRect(StepChart::BarPixels bar) const
{
    if (bar.isEmpty())
        return {};
    return QRect(QPoint(bar.left, 0), QPoint(bar.right - 1, height() - 1)).intersected(rect());
}

void StepStripWidget::setBar(StepChart::BarPixels bar)
{
    if (bar == m_bar)
        return;
    const QRect changed = barRect(m_bar).united(barRect(bar));
    m_bar = bar;
    if (!changed.isEmpty())
        update(changed);
}

void StepStripWidget::setBarColour(const QColor &colour)
{
    m_barColour = colour;
    update(barRect(m_bar));
}

void StepStripWidget::paintEvent(QPaintEvent *event)
{
    QPainter p(this);
    p.fillRect(event->rect(), m_background);
    p.fillRect(barRect(m_bar).intersected(event->rect()), m_barColour);
}
