#include "step/StepPictureWidget.h"

#include "step/StepChartPainter.h"

#include <QPaintEvent>
#include <QPainter>

StepPictureWidget::StepPictureWidget(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void StepPictureWidget::setPicture(const QImage &picture)
{
    m_picture = picture;
    update();
}

void StepPictureWidget::paintEvent(QPaintEvent *event)
{
    QPainter p(this);
    const QRect r = event->rect();
    p.fillRect(r, StepColours::skyBlue);
    // The picture may hold more device pixels than the widget has logical ones.
    const qreal ratio = m_picture.devicePixelRatio();
    p.drawImage(QRectF(r), m_picture, QRectF(QPointF(r.topLeft()) * ratio, QSizeF(r.size()) * ratio));
}
