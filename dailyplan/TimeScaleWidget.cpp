#include "dailyplan/TimeScaleWidget.h"

#include "data/TimeAxis.h"

#include <QHash>
#include <QPaintEvent>
#include <QPainter>

namespace {

QColor toQColor(const TimeAxis::Rgb &c)
{
    return QColor(c.r, c.g, c.b);
}

} // namespace

TimeScaleWidget::TimeScaleWidget(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFixedSize(21, TimeAxis::Rows);
}

QColor TimeScaleWidget::background()
{
    return QColor(112, 128, 144);
}

QImage TimeScaleWidget::image(qreal pixelRatio)
{
    // Made once per pixel ratio; a scaled screen gets as many device pixels, for sharp text.
    static QHash<int, QImage> made;
    const int key = qRound(pixelRatio * 100);
    if (const auto found = made.constFind(key); found != made.constEnd())
        return *found;
    const QImage scale = [pixelRatio] {
        QImage img(QSize(21, TimeAxis::Rows) * pixelRatio, QImage::Format_RGB32);
        img.setDevicePixelRatio(pixelRatio);
        img.fill(background());
        QPainter p(&img);
        QFont f = p.font();
        f.setPointSize(9);
        f.setBold(true);
        p.setFont(f);
        const QFontMetrics fm(f);
        auto text = [&](int x, int top, const QString &s, const TimeAxis::Rgb &color) {
            // Text boxes are opaque white, as the time labels sit on the hour lines.
            const QRect box(x, top, fm.horizontalAdvance(s), fm.height());
            p.fillRect(box, Qt::white);
            p.setPen(toQColor(color));
            p.drawText(box, Qt::AlignLeft | Qt::AlignTop, s);
        };
        for (const TimeAxis::ScaleMark &m : TimeAxis::scaleMarks()) {
            p.setPen(Qt::white);
            p.drawLine(m.x0, m.y, m.x1 - 1, m.y); // the end point is not drawn
            if (!m.label.isEmpty())
                text(m.labelX, m.y - 5, m.label, m.textColor);
        }
        for (const TimeAxis::ScaleCaption &c : TimeAxis::scaleCaptions())
            text(c.x, c.y, c.text, c.color);
        return img;
    }();
    made.insert(key, scale);
    return scale;
}

void TimeScaleWidget::paintEvent(QPaintEvent *event)
{
    QPainter p(this);
    const QRect r = event->rect();
    const qreal ratio = devicePixelRatioF();
    p.drawImage(QRectF(r), image(ratio), QRectF(QPointF(r.topLeft()) * ratio, QSizeF(r.size()) * ratio));
}
