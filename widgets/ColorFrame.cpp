#include "widgets/ColorFrame.h"

#include "widgets/RowFill.h"

#include <QPaintEvent>
#include <QPainter>

ColorFrame::ColorFrame(const QColor &color, QWidget *parent) : QFrame(parent), m_color(color)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

ColorFrame::ColorFrame(QWidget *parent) : ColorFrame(Qt::white, parent) {}

void ColorFrame::setColor(const QColor &color)
{
    m_color = color;
    update();
}

void ColorFrame::paintEvent(QPaintEvent *event)
{
    {
        QPainter painter(this);
        RowFill::fill(painter, event->rect(), m_color);
    }
    QFrame::paintEvent(event);
}
