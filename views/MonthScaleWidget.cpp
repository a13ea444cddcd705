#include "views/MonthScaleWidget.h"

#include <QLabel>
#include <QPainter>

using namespace Qt::StringLiterals;

namespace {

QFont pixelFont(const QFont &base, int pixels, bool bold = false)
{
    QFont f = base;
    f.setPixelSize(pixels);
    f.setBold(bold);
    return f;
}

} // namespace

MonthScaleWidget::MonthScaleWidget(const BarChart::MonthPanel &panel, int index, QWidget *parent)
    : QFrame(parent), m_panel(panel)
{
    setObjectName(u"monthPanel"_s + QString::number(index));
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setGeometry(panel.left, BarChart::StripTop, panel.width, BarChart::StripHeight);
    auto *number = new QLabel(panel.monthText, this);
    number->setObjectName(u"monthLabel"_s + QString::number(index));
    number->setFont(pixelFont(font(), 14, true));
    number->adjustSize();
    number->move(6, 3);
    auto *suffix = new QLabel(u"月"_s, this);
    suffix->setFont(pixelFont(font(), 13));
    suffix->adjustSize();
    suffix->move(number->x() + number->width() + 1, 4);
}

void MonthScaleWidget::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    QPainter p(this);
    const QColor navy(0, 0, 128);
    const int base = height() - 4;
    p.fillRect(QRect(0, base, width(), 2), navy);
    for (const BarChart::Tick &t : m_panel.ticks)
        p.fillRect(QRect(t.x, t.isLong ? base - 11 : base - 6, 1, t.isLong ? 11 : 6), navy);
    p.setFont(pixelFont(font(), 11));
    p.setPen(palette().color(QPalette::WindowText));
    const QFontMetrics fm(p.font());
    for (const BarChart::TickLabel &l : m_panel.labels)
        p.drawText(l.x, base - 12 - fm.descent(), l.text);
}
