#include "views/MonthScaleWidget.h"

#include <QHash>
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

// What adjustSize() gives a label, measured once for each text: the graph is made anew around every
// change of the month and shows the same few month numbers each time.
void fitToText(QLabel *label)
{
    static QHash<QString, QSize> sizes;
    const QString key = label->font().key() + u'|' + label->text();
    auto found = sizes.constFind(key);
    if (found == sizes.constEnd()) {
        if (sizes.size() > 256)
            sizes.clear();
        found = sizes.insert(key, label->sizeHint());
    }
    label->resize(*found);
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
    fitToText(number);
    number->move(6, 3);
    auto *suffix = new QLabel(u"月"_s, this);
    suffix->setFont(pixelFont(font(), 13));
    fitToText(suffix);
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
