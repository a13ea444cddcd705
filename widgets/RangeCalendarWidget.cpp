#include "widgets/RangeCalendarWidget.h"

#include "data/DateText.h"
#include "widgets/FixedColours.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

using namespace Qt::StringLiterals;

namespace {

constexpr int Columns = 7;
constexpr int Rows = 6;
constexpr int MinMonthWidth = 160;

QDate firstOfMonth(const QDate &d)
{
    return QDate(d.year(), d.month(), 1);
}

// Column of a weekday with Sunday first.
int sundayColumn(const QDate &d)
{
    return d.dayOfWeek() % 7;
}

} // namespace

RangeCalendarWidget::RangeCalendarWidget(QWidget *parent) : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
    // Red Sundays and blue Saturdays need a light face, whatever the theme.
    FixedColours::setLight(this);
    setMouseTracking(false);
    m_today = QDate::currentDate();
    m_firstMonth = firstOfMonth(m_today);
    m_start = m_end = m_today;
}

void RangeCalendarWidget::setToday(const QDate &today)
{
    m_today = today;
    update();
}

void RangeCalendarWidget::setMinimumDate(const QDate &date)
{
    m_minimum = date;
    update();
}

int RangeCalendarWidget::monthsShown() const
{
    return qMax(1, width() / MinMonthWidth);
}

RangeCalendarWidget::Layout RangeCalendarWidget::layout() const
{
    Layout l;
    l.monthWidth = width() / monthsShown();
    l.titleHeight = 20;
    l.headerHeight = 16;
    l.cellWidth = (l.monthWidth - 8) / Columns;
    l.cellHeight = qMax(10, (height() - l.titleHeight - l.headerHeight - 2) / Rows);
    return l;
}

QRect RangeCalendarWidget::monthRect(int index) const
{
    const Layout l = layout();
    return QRect(index * l.monthWidth, 0, l.monthWidth, height());
}

QRect RangeCalendarWidget::prevButtonRect() const
{
    return QRect(2, 2, 18, 16);
}

QRect RangeCalendarWidget::nextButtonRect() const
{
    return QRect(width() - 20, 2, 18, 16);
}

void RangeCalendarWidget::showMonth(const QDate &anyDayOfMonth)
{
    if (!anyDayOfMonth.isValid())
        return;
    m_firstMonth = firstOfMonth(anyDayOfMonth);
    update();
}

void RangeCalendarWidget::setSelection(const QDate &start, const QDate &end)
{
    // A range with an unset end is no range: nothing is marked, the view stays where it is.
    if (!start.isValid() || !end.isValid()) {
        m_start = m_end = QDate();
        update();
        return;
    }
    m_start = start;
    m_end = end;
    if (m_end < m_start)
        std::swap(m_start, m_end);
    // Keep the first day of the range in view, as the month it lies in or a later shown month.
    const QDate first = firstOfMonth(m_start);
    const QDate lastShown = m_firstMonth.addMonths(monthsShown() - 1);
    if (first < m_firstMonth || first > lastShown)
        m_firstMonth = first;
    update();
}

QRect RangeCalendarWidget::dayRect(const QDate &date) const
{
    const Layout l = layout();
    for (int i = 0; i < monthsShown(); ++i) {
        const QDate month = m_firstMonth.addMonths(i);
        if (date.year() != month.year() || date.month() != month.month())
            continue;
        const int offset = sundayColumn(month) + date.day() - 1;
        const int col = offset % Columns;
        const int row = offset / Columns;
        const QRect mr = monthRect(i);
        const int gridLeft = mr.left() + (mr.width() - l.cellWidth * Columns) / 2;
        return QRect(gridLeft + col * l.cellWidth, l.titleHeight + l.headerHeight + row * l.cellHeight,
                     l.cellWidth, l.cellHeight);
    }
    return {};
}

QDate RangeCalendarWidget::dateAt(const QPoint &pos) const
{
    const Layout l = layout();
    const int index = pos.x() / qMax(1, l.monthWidth);
    if (index < 0 || index >= monthsShown())
        return {};
    const QDate month = m_firstMonth.addMonths(index);
    const QRect mr = monthRect(index);
    const int gridLeft = mr.left() + (mr.width() - l.cellWidth * Columns) / 2;
    const int gridTop = l.titleHeight + l.headerHeight;
    if (pos.x() < gridLeft || pos.y() < gridTop)
        return {};
    const int col = (pos.x() - gridLeft) / l.cellWidth;
    const int row = (pos.y() - gridTop) / l.cellHeight;
    if (col >= Columns || row >= Rows)
        return {};
    const int day = row * Columns + col - sundayColumn(month) + 1;
    if (day < 1 || day > month.daysInMonth())
        return {};
    return QDate(month.year(), month.month(), day);
}

void RangeCalendarWidget::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    for (int i = 0; i < monthsShown(); ++i) {
        paintMonthHead(p, i);
        paintDays(p, m_firstMonth.addMonths(i));
    }
    paintArrows(p);
    p.setPen(palette().color(QPalette::Mid));
    p.setBrush(Qt::NoBrush);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

// The title bar of month `index` and its weekday letters, Sunday first.
void RangeCalendarWidget::paintMonthHead(QPainter &p, int index) const
{
    const Layout l = layout();
    const QPalette pal = palette();
    const QDate month = m_firstMonth.addMonths(index);
    const QRect mr = monthRect(index);
    const int gridLeft = mr.left() + (mr.width() - l.cellWidth * Columns) / 2;

    const QRect title(mr.left() + 1, 1, mr.width() - 2, l.titleHeight - 2);
    p.fillRect(title, pal.color(QPalette::Button));
    QFont bold = font();
    bold.setBold(true);
    p.setFont(bold);
    p.setPen(pal.color(QPalette::ButtonText));
    p.drawText(title, Qt::AlignCenter,
               QString::number(month.year()) + u"年"_s + QString::number(month.month()) + u"月"_s);

    p.setFont(font());
    for (int c = 0; c < Columns; ++c) {
        const QRect cell(gridLeft + c * l.cellWidth, l.titleHeight, l.cellWidth, l.headerHeight);
        p.setPen(c == 0 ? QColor(220, 0, 0) : c == 6 ? QColor(0, 0, 200) : pal.color(QPalette::Text));
        p.drawText(cell, Qt::AlignCenter, DateText::weekdayLetter(c));
    }
    p.setPen(pal.color(QPalette::Mid));
    p.drawLine(gridLeft, l.titleHeight + l.headerHeight - 1, gridLeft + Columns * l.cellWidth,
               l.titleHeight + l.headerHeight - 1);
}

void RangeCalendarWidget::paintDays(QPainter &p, const QDate &month) const
{
    const QPalette pal = palette();
    for (int day = 1; day <= month.daysInMonth(); ++day) {
        const QDate d(month.year(), month.month(), day);
        const QRect cell = dayRect(d);
        const bool selected = d >= m_start && d <= m_end;
        if (selected)
            p.fillRect(cell.adjusted(0, 1, 0, -1), pal.color(QPalette::Highlight));
        QColor text = pal.color(QPalette::Text);
        if (selected)
            text = pal.color(QPalette::HighlightedText);
        else if (d < m_minimum)
            text = pal.color(QPalette::PlaceholderText);
        else if (sundayColumn(d) == 0)
            text = QColor(220, 0, 0);
        p.setPen(text);
        p.drawText(cell, Qt::AlignCenter, QString::number(day));
        if (d == m_today) {
            p.setPen(QPen(QColor(200, 0, 0), 1));
            p.setBrush(Qt::NoBrush);
            p.drawRect(cell.adjusted(1, 1, -2, -2));
        }
    }
}

// The month stepping arrows. The frame drawn after them keeps their antialiasing.
void RangeCalendarWidget::paintArrows(QPainter &p) const
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(palette().color(QPalette::ButtonText));
    const QRect prev = prevButtonRect();
    const QRect next = nextButtonRect();
    p.drawPolygon(
        QPolygon({QPoint(prev.right() - 5, prev.top() + 3), QPoint(prev.left() + 5, prev.center().y()),
                  QPoint(prev.right() - 5, prev.bottom() - 3)}));
    p.drawPolygon(
        QPolygon({QPoint(next.left() + 5, next.top() + 3), QPoint(next.right() - 5, next.center().y()),
                  QPoint(next.left() + 5, next.bottom() - 3)}));
}

void RangeCalendarWidget::step(int months)
{
    const QDate target = m_firstMonth.addMonths(months);
    if (target.addMonths(monthsShown()) <= firstOfMonth(m_minimum))
        return;
    m_firstMonth = target;
    update();
}

void RangeCalendarWidget::setDragRange(const QDate &anchor, const QDate &other)
{
    m_start = qMin(anchor, other);
    m_end = qMax(anchor, other);
    update();
}

void RangeCalendarWidget::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint pos = event->position().toPoint();
    if (prevButtonRect().contains(pos)) {
        step(-1);
        return;
    }
    if (nextButtonRect().contains(pos)) {
        step(1);
        return;
    }
    const QDate d = dateAt(pos);
    if (!d.isValid() || d < m_minimum)
        return;
    m_anchor = d;
    m_dragging = true;
    setDragRange(d, d);
}

void RangeCalendarWidget::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_dragging)
        return;
    const QDate d = dateAt(event->position().toPoint());
    if (d.isValid() && d >= m_minimum)
        setDragRange(m_anchor, d);
}

void RangeCalendarWidget::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !m_dragging)
        return;
    m_dragging = false;
    const QDate d = dateAt(event->position().toPoint());
    if (d.isValid() && d >= m_minimum)
        setDragRange(m_anchor, d);
    emit rangeSelected(m_start, m_end);
}

void RangeCalendarWidget::wheelEvent(QWheelEvent *event)
{
    step(event->angleDelta().y() > 0 ? -1 : 1);
    event->accept();
}

void RangeCalendarWidget::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_PageUp:
        step(-1);
        break;
    case Qt::Key_PageDown:
        step(1);
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}
