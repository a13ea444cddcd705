#include "widgets/PictureWidget.h"

#include <QPainter>

PictureWidget::PictureWidget(QWidget *parent) : QWidget(parent) {}

void PictureWidget::setImage(const QImage &image)
{
    m_image = image;
    update();
}

void PictureWidget::setModes(bool center, bool proportional, bool stretch)
{
    m_center = center;
    m_proportional = proportional;
    m_stretch = stretch;
    update();
}

QRect PictureWidget::placement(const QSize &picture, const QSize &frame, bool center, bool proportional,
                               bool stretch)
{
    if (picture.isEmpty() || frame.isEmpty())
        return {};
    QSize size = picture;
    const bool larger = picture.width() > frame.width() || picture.height() > frame.height();
    if (stretch || (proportional && larger)) {
        if (proportional)
            size = picture.scaled(frame, Qt::KeepAspectRatio);
        else
            size = frame;
    }
    QPoint at(0, 0);
    if (center)
        at = QPoint((frame.width() - size.width()) / 2, (frame.height() - size.height()) / 2);
    return QRect(at, size);
}

void PictureWidget::paintEvent(QPaintEvent *)
{
    if (m_image.isNull())
        return;
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(placement(m_image.size(), size(), m_center, m_proportional, m_stretch), m_image);
}
