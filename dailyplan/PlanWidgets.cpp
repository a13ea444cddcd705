#include "PlanWidgets.h"

#include "PadControls.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

using namespace Qt::StringLiterals;

namespace {

QColor toQColor(const TimeAxis::Rgb &c)
{
    return QColor(c.r, c.g, c.b);
}

} // namespace

TimeScaleBox::TimeScaleBox(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFixedSize(21, TimeAxis::Rows);
}

QColor TimeScaleBox::background()
{
    return QColor(112, 128, 144);
}

const QImage &TimeScaleBox::image()
{
    static const QImage scale = [] {
        QImage img(21, TimeAxis::Rows, QImage::Format_RGB32);
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
    return scale;
}

void TimeScaleBox::paintEvent(QPaintEvent *event)
{
    QPainter p(this);
    const QRect r = event->rect();
    p.drawImage(r.topLeft(), image(), r);
}

PaneBox::PaneBox(const QList<TimeAxis::Band> &bands, QWidget *parent) : QWidget(parent), m_bands(bands)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PaneBox::paintEvent(QPaintEvent *event)
{
    QPainter p(this);
    const QRect dirty = event->rect();
    p.fillRect(dirty, Qt::white);
    for (const TimeAxis::Band &b : m_bands) {
        const QRect band = QRect(0, b.top, width(), b.bottom - b.top) & dirty;
        if (!band.isEmpty())
            p.fillRect(band, toQColor(b.color));
    }
}

DragColumn::DragColumn(Side side, QWidget *parent) : QWidget(parent), m_side(side)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_bars.fill(ScheduleBar::unused());
    setCursor(Qt::CrossCursor);
}

bool DragColumn::drawsHere(const ScheduleBar &bar) const
{
    return bar.inUse() && bar.side == (m_side == Side::Left ? u"L"_s : u"R"_s);
}

QRect DragColumn::barRect(const ScheduleBar &bar) const
{
    const int left = m_side == Side::Left ? 0 : 1;
    return QRect(left, bar.startRow, 11, bar.endRow - bar.startRow);
}

void DragColumn::setBars(const ScheduleBars &bars)
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

void DragColumn::paintEvent(QPaintEvent *event)
{
    QPainter p(this);
    const QRect dirty = event->rect();
    p.fillRect(dirty, Qt::white);
    for (const ScheduleBar &bar : m_bars) {
        if (!drawsHere(bar) || bar.endRow <= bar.startRow) // an end not below the start covers nothing
            continue;
        const QRect r = barRect(bar) & dirty;
        if (!r.isEmpty())
            p.fillRect(r, ColorBox::toColor(bar.barColor));
    }
}

void DragColumn::mousePressEvent(QMouseEvent *event)
{
    emit pressed(this, event->button(), int(event->position().y()));
}

void DragColumn::mouseMoveEvent(QMouseEvent *event)
{
    emit moved(this, int(event->position().y()));
}

void DragColumn::mouseReleaseEvent(QMouseEvent *event)
{
    emit released(this, event->button(), int(event->position().y()));
}
