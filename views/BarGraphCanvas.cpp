#include "views/BarGraphCanvas.h"

#include "views/BarGraphWindow.h"
#include "views/ViewColours.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

using namespace Qt::StringLiterals;

BarGraphCanvas::BarGraphCanvas(BarGraphWindow *graph, const QFont &captionFont)
    : m_graph(graph), m_font(captionFont)
{
    setObjectName(u"rowsCanvas"_s);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void BarGraphCanvas::paintEvent(QPaintEvent *event)
{
    QPainter p(this);
    const QRect area = event->rect();
    const int w = m_graph->rowWidth();
    const int first = qMax(0, area.top() / BarChart::RowHeight);
    const int last = qMin(int(m_graph->m_rows.size()) - 1, area.bottom() / BarChart::RowHeight);
    p.setFont(m_font);
    const QColor lineColours[] = {ViewColours::line(BarChart::LineColour::ButtonFace),
                                  ViewColours::line(BarChart::LineColour::Gray),
                                  ViewColours::line(BarChart::LineColour::Silver)};
    for (int j = first; j <= last; ++j) {
        const BarGraphWindow::Row &row = m_graph->paintedRow(j);
        const QRect rowRect(0, j * BarChart::RowHeight, w, BarChart::RowHeight);
        p.save();
        p.setClipRect(rowRect);
        p.translate(rowRect.topLeft());
        p.fillRect(QRect(0, 0, w, BarChart::RowHeight), row.background);
        if (m_graph->m_separators) {
            for (const BarChart::Separator &s : m_graph->m_separatorLines)
                p.fillRect(QRect(s.x - 1, 0, BarChart::SeparatorPenWidth, BarChart::SeparatorLength),
                           lineColours[int(s.colour)]);
        }
        p.fillRect(row.bar, row.barColour);
        p.fillRect(row.captionRect, ViewColours::buttonFace());
        p.setPen(palette().color(QPalette::WindowText));
        p.drawText(row.captionRect, Qt::AlignLeft | Qt::AlignVCenter, row.caption);
        p.restore();
    }
    // Below the last row the list area's own colour shows.
    const int used = int(m_graph->m_rows.size()) * BarChart::RowHeight;
    if (area.bottom() >= used || area.right() >= w) {
        QRegion rest(area);
        rest -= QRect(0, 0, w, used);
        for (const QRect &r : rest)
            p.fillRect(r, ViewColours::listArea());
    }
}

void BarGraphCanvas::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    const QPoint pos = event->position().toPoint();
    const int row = pos.y() / BarChart::RowHeight;
    if (pos.x() < m_graph->rowWidth() && row < m_graph->m_rows.size())
        m_graph->showJobOfRow(row);
}
