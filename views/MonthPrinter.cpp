#include "views/MonthPrinter.h"

#include "data/BarChart.h"
#include "data/DateText.h"
#include "data/DaySerial.h"
#include "data/JobExport.h"
#include "views/ViewColours.h"

#include <QAbstractTextDocumentLayout>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>

#include <cmath>
#include <memory>

using namespace Qt::StringLiterals;

namespace MonthPrinter {

namespace {

QFont printFont(qreal points, bool bold = false)
{
    QFont f(u"IPAPGothic"_s);
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

// The graph is painted in its own pixels, scaled to the page: its fonts are sized in those pixels.
QFont pixelFont(int pixels, bool bold = false)
{
    QFont f(u"IPAPGothic"_s);
    f.setPixelSize(pixels);
    f.setBold(bold);
    return f;
}

QString shortDate(double serial)
{
    return DateText::shortDate(DaySerial::toDate(BarChart::clampSerial(serial)));
}

// The data viewer's fields, one column each; line breaks stay inside their cell.
std::unique_ptr<QTextDocument> table(const Month &m, QPaintDevice *device)
{
    auto doc = std::make_unique<QTextDocument>();
    doc->setDefaultFont(printFont(8));
    QTextCursor cursor(doc.get());
    // One layout at the end: a table laid out anew after every cell takes seconds.
    cursor.beginEditBlock();
    QTextCharFormat heading;
    heading.setFont(printFont(12, true));
    cursor.insertText(u"%1年%2月のデータ"_s.arg(m.year).arg(m.month), heading);

    const QStringList headers{u"データNo."_s, u"入力日/更新日"_s, u"タイトル"_s, u"開始日"_s,     u"終了日"_s,
                              u"状態"_s,      u"顧客"_s,          u"Job No."_s,  u"仕事の種類"_s, u"内容"_s};
    const int widths[] = {6, 8, 16, 8, 8, 5, 10, 8, 9, 22}; // percent of the page
    QTextTableFormat format;
    format.setHeaderRowCount(1);
    // Lengths of screen pixels: the layout scales them to the printer.
    format.setCellPadding(2);
    format.setCellSpacing(0);
    format.setBorder(1);
    format.setBorderBrush(Qt::gray);
    format.setBorderCollapse(true);
    format.setWidth(QTextLength(QTextLength::PercentageLength, 100));
    QList<QTextLength> columns;
    for (int w : widths)
        columns << QTextLength(QTextLength::PercentageLength, w);
    format.setColumnWidthConstraints(columns);
    QTextTable *t = cursor.insertTable(m.count + 1, int(headers.size()), format);

    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    for (int c = 0; c < headers.size(); ++c)
        t->cellAt(0, c).firstCursorPosition().insertText(headers[c], bold);
    for (int r = 1; r <= m.count; ++r) {
        const int slot = m.count - r;
        const JobRecord &job = m.jobs[size_t(slot)];
        const QStringList cells{QString::number(slot + 1),
                                shortDate(job.entryDate),
                                job.title,
                                shortDate(job.startDate),
                                shortDate(job.endDate),
                                JobExport::stateText(job.check),
                                job.customer,
                                job.jobNo,
                                job.jobType,
                                JobExport::plainLines(job.comments)};
        for (int c = 0; c < cells.size(); ++c) {
            QString text = cells[c];
            t->cellAt(r, c).firstCursorPosition().insertText(text.replace(u'\n', QChar::LineSeparator));
        }
    }
    cursor.endEditBlock();
    doc->documentLayout()->setPaintDevice(device);
    return doc;
}

int printTable(QPainter &p, QPrinter &printer, const Month &m)
{
    const std::unique_ptr<QTextDocument> doc = table(m, &printer);
    const QSizeF page(printer.width(), printer.height());
    doc->setPageSize(page);
    const int pages = doc->pageCount();
    for (int i = 0; i < pages; ++i) {
        if (i > 0)
            printer.newPage();
        p.save();
        p.translate(0, -i * page.height());
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = QRectF(QPointF(0, i * page.height()), page);
        doc->documentLayout()->draw(&p, context);
        p.restore();
    }
    return pages;
}

constexpr int HeadingHeight = 30; // above the month strip, in the graph's pixels

void paintStrip(QPainter &p, const BarChart::MonthStrip &strip)
{
    const QColor navy(0, 0, 128);
    for (const BarChart::MonthPanel &panel : strip.panels) {
        const QRect r(panel.left - BarChart::StripLeft, 0, panel.width, BarChart::StripHeight);
        p.setPen(Qt::gray);
        p.drawRect(r.adjusted(0, 0, -1, -1));
        p.setPen(Qt::black);
        p.setFont(pixelFont(14, true));
        p.drawText(r.adjusted(6, 2, 0, 0), Qt::AlignLeft | Qt::AlignTop, panel.monthText + u"月"_s);
        const int base = r.bottom() - 3;
        p.fillRect(QRect(r.left(), base, r.width(), 2), navy);
        for (const BarChart::Tick &t : panel.ticks)
            p.fillRect(QRect(r.left() + t.x, t.isLong ? base - 11 : base - 6, 1, t.isLong ? 11 : 6), navy);
        p.setFont(pixelFont(10));
        for (const BarChart::TickLabel &l : panel.labels)
            p.drawText(QPointF(r.left() + l.x, base - 13), l.text);
    }
}

void paintRow(QPainter &p, const BarChart::MonthStrip &strip, const Month &m, int slot,
              const QList<BarChart::Separator> &separators)
{
    const JobRecord &job = m.jobs[size_t(slot)];
    const int w = strip.rowWidth();
    p.save();
    p.setClipRect(QRect(0, 0, w, BarChart::RowHeight));
    p.fillRect(QRect(0, 0, w, BarChart::RowHeight),
               BarChart::isStepManaged(job.title) ? ViewColours::stepRow() : ViewColours::plainRow());
    for (const BarChart::Separator &s : separators)
        p.fillRect(QRect(s.x - 1, 0, BarChart::SeparatorPenWidth, BarChart::SeparatorLength),
                   ViewColours::line(s.colour));
    const int left = BarChart::barLeft(strip, job.startDate);
    const int width = BarChart::barWidth(job.startDate, job.endDate);
    p.fillRect(QRect(left, BarChart::BarTop, qMin(width, w + 8), BarChart::BarHeight),
               ViewColours::bar(BarChart::barColour(job.check)));
    const QString caption = BarChart::captionText(job, slot + 1);
    p.setFont(pixelFont(11));
    const int captionWidth = int(std::ceil(QFontMetricsF(p.font(), p.device()).horizontalAdvance(caption)));
    p.setPen(Qt::black);
    p.drawText(QRect(BarChart::captionLeft(left, width, captionWidth, w), BarChart::CaptionTop, captionWidth,
                     BarChart::RowHeight - BarChart::CaptionTop),
               Qt::AlignLeft | Qt::AlignTop, caption);
    p.setPen(QColor(220, 220, 220));
    p.drawLine(0, BarChart::RowHeight - 1, w, BarChart::RowHeight - 1);
    p.restore();
}

// The graph in its own pixels, scaled to the page's width; the strip heads every page.
int printGraph(QPainter &p, QPrinter &printer, const Month &m)
{
    const BarChart::MonthStrip strip = BarChart::monthStrip(m.month, m.year);
    const QList<BarChart::Separator> separators =
        m.separators ? BarChart::separators(strip) : QList<BarChart::Separator>{};
    const qreal scale = printer.width() / qreal(strip.rowWidth() + 2);
    const qreal rowsHeight = printer.height() / scale - HeadingHeight - BarChart::StripHeight - 4;
    const int perPage = qMax(1, int(rowsHeight / BarChart::RowHeight));
    const int pages = qMax(1, (m.count + perPage - 1) / perPage);
    for (int page = 0; page < pages; ++page) {
        printer.newPage();
        p.save();
        p.scale(scale, scale);
        p.setFont(pixelFont(16, true));
        p.setPen(Qt::black);
        QString heading = u"バーグラフ ●%1月のデータ"_s.arg(m.month);
        if (pages > 1)
            heading += u"  (%1/%2)"_s.arg(page + 1).arg(pages);
        p.drawText(QRect(0, 0, strip.rowWidth(), HeadingHeight - 6), Qt::AlignLeft | Qt::AlignVCenter,
                   heading);
        p.translate(1, HeadingHeight);
        paintStrip(p, strip);
        p.translate(0, BarChart::StripHeight + 4);
        for (int slot = page * perPage; slot < qMin(m.count, (page + 1) * perPage); ++slot) {
            paintRow(p, strip, m, slot, separators);
            p.translate(0, BarChart::RowHeight);
        }
        p.restore();
    }
    return pages;
}

} // namespace

Month of(const Session &session, MonthKind kind)
{
    Month m;
    m.jobs = session.jobs(kind);
    m.count = session.count(kind);
    m.year = kind == MonthKind::Previous ? session.prevMonthYear() : session.thisYear();
    m.month = session.monthNumber(kind);
    m.separators = session.config().showDateSeparators;
    return m;
}

int print(QPrinter &printer, const Month &month)
{
    QPainter p;
    if (!p.begin(&printer))
        return 0;
    const int pages = printTable(p, printer, month);
    return pages + printGraph(p, printer, month);
}

PrintDocument document(const Month &month)
{
    return {u"%1年%2月のデータの印刷"_s.arg(month.year).arg(month.month),
            [month](QPrinter &printer, bool) { print(printer, month); },
            {}};
}

} // namespace MonthPrinter
