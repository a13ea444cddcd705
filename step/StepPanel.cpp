#include "step/StepPanel.h"

#include <QPaintEvent>
#include <QPainter>
#include <qdrawutil.h>

StepPanel::StepPanel(Bevel bevel, const QColor &colour, QWidget *parent)
    : QWidget(parent), m_bevel(bevel), m_colour(colour)
{
    if (m_colour.isValid())
        setAttribute(Qt::WA_OpaquePaintEvent);
}

void StepPanel::paintEvent(QPaintEvent *event)
{
    QPainter p(this);
    if (m_colour.isValid())
        p.fillRect(event->rect(), m_colour);
    if (m_bevel == Bevel::None)
        return;
    const bool sunken = m_bevel == Bevel::Sunken;
    // On a screen scaled by a fraction the lines fall on device pixels as Qt places them.
    if (const qreal ratio = devicePixelRatioF(); ratio != qRound(ratio)) {
        qDrawShadePanel(&p, rect(), palette(), sunken, 1);
        return;
    }
    const QColor topLeft = sunken ? palette().dark().color() : palette().light().color();
    const QColor bottomRight = sunken ? palette().light().color() : palette().dark().color();
    const int w = width();
    const int h = height();
    p.fillRect(0, 0, w - 1, 1, topLeft);
    p.fillRect(0, 0, 1, h - 1, topLeft);
    p.fillRect(0, h - 1, w, 1, bottomRight);
    p.fillRect(w - 1, 0, 1, h - 1, bottomRight);
}
