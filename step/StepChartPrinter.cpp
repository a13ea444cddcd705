#include "step/StepChartPrinter.h"

#include "step/StepChartPainter.h"
#include "step/StepNames.h"
#include "step/StepPlannerWindow.h"

#include <QPainter>
#include <QPrinter>

#include <cmath>

using namespace Qt::StringLiterals;

namespace StepChartPrinter {

namespace {

// The layout in the chart's own pixels.
constexpr int HeadingHeight = 26;
constexpr int CaptionWidth = 170;
constexpr int ChartTop = HeadingHeight + StepChart::HeaderHeight;
constexpr int ScreenDpi = 96;
constexpr int PictureRatio = 4; // the header's picture, sharp on paper

int chartHeight()
{
    return ChartTop + StepChart::RowCount * StepChart::RowHeight + 1;
}

QFont chartFont(int pixels, bool bold = false)
{
    QFont f = StepChartPainter::font(pixels, bold);
    f.setStyleStrategy(QFont::PreferDefault); // smoothing is right on paper
    return f;
}

void paintCaptions(QPainter &p, const Chart &chart)
{
    for (int row = 0; row < StepChart::RowCount; ++row) {
        const int top = ChartTop + StepChart::RowHeight * row;
        p.setPen(QColor(200, 200, 200));
        p.drawLine(0, top, CaptionWidth, top);
        p.setPen(Qt::black);
        p.setFont(chartFont(13, true));
        p.drawText(QRect(2, top + 4, CaptionWidth - 40, 18), Qt::AlignLeft | Qt::AlignVCenter,
                   StepNames::row(row));
        p.setFont(chartFont(12));
        p.drawText(QRect(2, top + 24, CaptionWidth - 40, 36), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                   chart.rowTitles[size_t(row)]);
        for (int k = 0; k < 3; ++k)
            p.drawText(QRect(CaptionWidth - 34, top + StepChart::StripTops[k], 32, StepChart::StripHeight),
                       Qt::AlignRight | Qt::AlignVCenter, StepNames::strip(StepKind(k)));
    }
}

// Header, grid, strips and bars, from x 0 at the first day.
void paintDays(QPainter &p, const Chart &chart)
{
    const int width = StepChart::DayWidth * chart.months.dayCount();
    const QSize headerSize(width, StepChart::HeaderPaintHeight);
    p.drawImage(QRect(QPoint(0, HeadingHeight), headerSize),
                StepChartPainter::header(chart.months, headerSize, PictureRatio));
    for (int row = 0; row < StepChart::RowCount; ++row) {
        const int top = ChartTop + StepChart::RowHeight * row;
        p.fillRect(QRect(0, top, width + 4, StepChart::RowHeight), StepColours::skyBlue);
        for (const StepChart::DayColumn &c : StepChart::dayColumns(chart.months)) {
            const QColor colour =
                StepColours::gridLine(StepChart::gridShade(c.date.day(), chart.months.daysOf(c.monthIndex)));
            p.fillRect(QRect(StepChart::lineX(c.column), top, 1, StepChart::GridLineBottom), colour);
        }
        for (int k = 0; k < 3; ++k) {
            const QRect strip(1, top + StepChart::StripTops[k], width - 1, StepChart::StripHeight);
            p.fillRect(strip, StepColours::stripBackground[k]);
            const StepChart::BarPixels bar = chart.bars[size_t(row)][size_t(k)];
            if (!bar.isEmpty())
                p.fillRect(QRect(strip.left() + 1 + bar.left, strip.top() + 1, bar.right - bar.left,
                                 StepChart::StripPaintHeight)
                               .intersected(strip),
                           StepColours::bar(row, k));
        }
    }
}

} // namespace

Chart of(const StepPlannerWindow &window)
{
    const StepFile &step = window.workingStep();
    Chart chart;
    chart.months = window.months();
    chart.heading = StepNames::dataNo(step) + u"  "_s + step.title;
    for (int row = 0; row < StepChart::RowCount; ++row) {
        chart.rowTitles[size_t(row)] = step.groups[size_t(row)].groupTitle;
        for (StepKind kind : {StepKind::Initial, StepKind::Revised, StepKind::Actual})
            chart.bars[size_t(row)][size_t(kind)] = window.barPixels(row, kind);
    }
    return chart;
}

int print(QPrinter &printer, const Chart &chart, bool oneWide)
{
    const int days = chart.months.dayCount();
    if (days == 0)
        return 0;
    const int fullWidth = CaptionWidth + StepChart::DayWidth * days + 4;
    qreal scale = qMin(qreal(printer.resolution()) / ScreenDpi, printer.height() / qreal(chartHeight()));
    if (oneWide)
        scale = qMin(scale, printer.width() / qreal(fullWidth));
    // Whole days on every page, the row names repeated at the left of each.
    const int perPage = qMax(1, int((printer.width() / scale - CaptionWidth - 4) / StepChart::DayWidth));
    const int pages = oneWide ? 1 : (days + perPage - 1) / perPage;

    QPainter p;
    if (!p.begin(&printer))
        return 0;
    for (int page = 0; page < pages; ++page) {
        if (page > 0)
            printer.newPage();
        p.save();
        p.scale(scale, scale);
        p.setFont(chartFont(15, true));
        QString heading = u"ステップ別管理 ～ STEP by STEP   "_s + chart.heading;
        if (pages > 1)
            heading += u"  (%1/%2)"_s.arg(page + 1).arg(pages);
        p.drawText(QRect(0, 0, fullWidth, HeadingHeight - 4), Qt::AlignLeft | Qt::AlignVCenter, heading);
        paintCaptions(p, chart);
        const int first = oneWide ? 0 : page * perPage;
        const int shown = oneWide ? days : qMin(perPage, days - first);
        p.setClipRect(QRect(CaptionWidth, 0, StepChart::DayWidth * shown + 4, chartHeight()));
        p.translate(CaptionWidth - StepChart::DayWidth * first, 0);
        paintDays(p, chart);
        p.restore();
    }
    return pages;
}

PrintDocument document(const Chart &chart)
{
    return {u"ステップ別管理の印刷"_s,
            [chart](QPrinter &printer, bool oneWide) { print(printer, chart, oneWide); },
            u"1 ページの幅に合わせる"_s};
}

} // namespace StepChartPrinter
