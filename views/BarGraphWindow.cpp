#include "views/BarGraphWindow.h"

#include "platform/Hints.h"
#include "platform/WindowPlacer.h"
#include "views/HintForwarder.h"
#include "views/ViewColours.h"
#include "views/ViewHost.h"
#include "widgets/FixedColours.h"
#include "widgets/InstantMnemonics.h"

#include <QActionGroup>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>

using namespace Qt::StringLiterals;

namespace {

constexpr int ListLeft = 9;
constexpr int ListTop = 45;
constexpr int BottomBand = 75; // legend and close button below the list area
constexpr int ExtraWidth = 25; // window width = list area width + 25

QFont pixelFont(const QFont &base, int pixels, bool bold = false)
{
    QFont f = base;
    f.setPixelSize(pixels);
    f.setBold(bold);
    return f;
}

// One month of the day scale: month number, base line, ticks and the 10/20/30 labels.
class MonthPanelWidget final : public QFrame
{
public:
    MonthPanelWidget(const BarChart::MonthPanel &panel, int index, QWidget *parent)
        : QFrame(parent), m_panel(panel)
    {
        setObjectName(u"pnlMonth"_s + QString::number(index));
        setFrameStyle(QFrame::Panel | QFrame::Raised);
        setGeometry(panel.left, BarChart::StripTop, panel.width, BarChart::StripHeight);
        auto *number = new QLabel(panel.monthText, this);
        number->setObjectName(u"lblMonth"_s + QString::number(index));
        number->setFont(pixelFont(font(), 14, true));
        number->adjustSize();
        number->move(6, 3);
        auto *suffix = new QLabel(u"月"_s, this);
        suffix->setFont(pixelFont(font(), 13));
        suffix->adjustSize();
        suffix->move(number->x() + number->width() + 1, 4);
    }

protected:
    void paintEvent(QPaintEvent *event) override
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

private:
    BarChart::MonthPanel m_panel;
};

} // namespace

// All rows of the graph on one surface: painting touches only the rows in the exposed area, so
// a month of 60 jobs costs no more than the few rows in view.
class BarGraphCanvas final : public QWidget
{
public:
    BarGraphCanvas(BarGraphWindow *graph, const QFont &captionFont) : m_graph(graph), m_font(captionFont)
    {
        setObjectName(u"pbxRows"_s);
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    void paintEvent(QPaintEvent *event) override
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

    void mousePressEvent(QMouseEvent *event) override
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

public:
    const QFont &captionFont() const { return m_font; }

private:
    BarGraphWindow *m_graph;
    QFont m_font;
};

BarGraphWindow::BarGraphWindow(Session &session, ViewHost &host, const GraphSource &source, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_session(session), m_host(host), m_separators(session.config().showDateSeparators)
{
    setObjectName(u"frmGraph"_s);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(source.caption);
    forwardHintsToHost(this, host);

    m_strip = BarChart::monthStrip(source.month, source.year);
    if (m_separators)
        m_separatorLines = BarChart::separators(m_strip);
    buildStrip();

    m_listArea = new QScrollArea(this);
    m_listArea->setObjectName(u"sboxParent"_s);
    m_listArea->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_listArea->setLineWidth(1);
    m_listArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_listArea->verticalScrollBar()->setSingleStep(BarChart::RowHeight);
    // Only the viewport takes the colour: a palette of the scroll area's own would reach its scroll
    // bar, whose pictures the style then caches anew at every opening.
    QPalette pal = m_listArea->viewport()->palette();
    pal.setColor(QPalette::Window, ViewColours::listArea());
    m_listArea->viewport()->setPalette(pal);
    m_listArea->viewport()->setAutoFillBackground(true);
    m_canvas = new BarGraphCanvas(this, pixelFont(font(), 13));
    buildRows(source);
    m_canvas->setFixedSize(rowWidth(), qMax(1, int(m_rows.size()) * BarChart::RowHeight));
    m_listArea->setWidget(m_canvas);
    if (!m_rows.isEmpty())
        Hints::set(m_canvas, u"|左クリックすると,データがメインウィンドウに表示されます"_s);

    buildLegend();
    m_closeButton = new QPushButton(u"閉じる(&C)"_s, this);
    m_closeButton->setObjectName(u"btnClose"_s);
    m_closeButton->resize(75, 25);
    m_closeButton->installEventFilter(this);
    connect(m_closeButton, &QPushButton::clicked, this, &QWidget::close);
    buildMenu();

    setFixedWidth(listAreaWidth() + ExtraWidth);
    resize(width(), DefaultHeight);
    layoutBottom();
    InstantMnemonics::apply(this);
}

QWidget *BarGraphWindow::canvas() const
{
    return m_canvas;
}

int BarGraphWindow::listAreaWidth() const
{
    // Room for the scroll bar beside the rows, so the last days of the third month stay in view.
    return rowWidth() + 4 + style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, m_listArea);
}

void BarGraphWindow::buildStrip()
{
    for (int i = 0; i < 3; ++i)
        new MonthPanelWidget(m_strip.panels[size_t(i)], i + 1, this);
}

void BarGraphWindow::buildRows(const GraphSource &source)
{
    const int n = source.jobs ? qBound(0, source.rowCount, MonthFile::RecordCount) : 0;
    const int w = rowWidth();
    m_rows.reserve(n);
    for (int j = 0; j < n; ++j) {
        const JobRecord &job = (*source.jobs)[size_t(j)];
        Row row;
        row.slot = j;
        row.background =
            BarChart::isStepManaged(job.title) ? ViewColours::stepRow() : ViewColours::plainRow();
        const int left = BarChart::barLeft(m_strip, job.startDate);
        const int width = BarChart::barWidth(job.startDate, job.endDate);
        // Bars run on past the row only to be cut by it.
        row.bar = QRect(left, BarChart::BarTop, qMin(width, w + 8), BarChart::BarHeight);
        row.barColour = ViewColours::bar(BarChart::barColour(job.check));
        row.barLength = width;
        row.caption = BarChart::captionText(job, j + 1);
        m_rows.append(row);
    }
}

// Measuring a caption costs as much as drawing it: only the rows that are painted are measured.
const BarGraphWindow::Row &BarGraphWindow::paintedRow(int j)
{
    Row &row = m_rows[j];
    if (row.captionRect.isNull()) {
        const QFontMetrics fm(m_canvas->captionFont());
        const int captionWidth = fm.horizontalAdvance(row.caption);
        row.captionRect =
            QRect(BarChart::captionLeft(row.bar.left(), row.barLength, captionWidth, rowWidth()),
                  BarChart::CaptionTop, captionWidth, fm.height());
    }
    return row;
}

void BarGraphWindow::buildLegend()
{
    m_legend = new QWidget(this);
    m_legend->setObjectName(u"pnlLegend"_s);
    auto *layout = new QHBoxLayout(m_legend);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    auto swatch = [this](const QColor &c, const QString &text) {
        auto *box = new QLabel(text, m_legend);
        box->setAutoFillBackground(true);
        FixedColours::setBackground(box, QPalette::Window, c);
        box->setFrameStyle(QFrame::Box | QFrame::Plain);
        box->setAlignment(Qt::AlignCenter);
        if (text.isEmpty())
            box->setFixedSize(25, 11);
        return box;
    };
    auto label = [this](const QString &text) { return new QLabel(text, m_legend); };
    layout->addWidget(swatch(ViewColours::notDone(), {}));
    layout->addWidget(label(u"：未完"_s));
    layout->addSpacing(10);
    layout->addWidget(swatch(ViewColours::done(), {}));
    layout->addWidget(label(u"：完了"_s));
    layout->addSpacing(10);
    layout->addWidget(swatch(ViewColours::inProgress(), {}));
    layout->addWidget(label(u"：遂行中"_s));
    layout->addSpacing(10);
    QLabel *panel = swatch(ViewColours::stepRow(), u"パネル"_s);
    panel->setContentsMargins(3, 1, 3, 1);
    panel->setFixedSize(panel->sizeHint());
    layout->addWidget(panel);
    layout->addWidget(label(u"：STEPデータ有り"_s));
    m_legend->adjustSize();
}

void BarGraphWindow::buildMenu()
{
    m_rowsMenu = new QMenu(this);
    m_rowsMenu->setObjectName(u"PopupMenu1"_s);
    auto *group = new QActionGroup(this);
    auto scaleItem = [&](const char16_t *name, const QString &text, Qt::Key key, int rows) {
        auto *a = new QAction(text, this);
        a->setObjectName(QString::fromUtf16(name));
        a->setCheckable(true);
        a->setShortcut(QKeySequence(key));
        a->setShortcutContext(Qt::WindowShortcut);
        group->addAction(a);
        addAction(a);
        m_rowsMenu->addAction(a);
        connect(a, &QAction::triggered, this, [this, rows] { setRowsInView(rows); });
        return a;
    };
    m_fiveRowsAction = scaleItem(u"miFive", u"5件表示(&A)"_s, Qt::Key_F3, 5);
    m_tenRowsAction = scaleItem(u"miTen", u"10件表示(&S)"_s, Qt::Key_F4, 10);
    m_fifteenRowsAction = scaleItem(u"miFifteen", u"15件表示(&D)"_s, Qt::Key_F5, 15);
    m_fiveRowsAction->setChecked(true);
    m_rowsMenu->addSeparator();
    auto *close = m_rowsMenu->addAction(u"閉じる(&C)"_s);
    close->setObjectName(u"miGraphClose"_s);
    connect(close, &QAction::triggered, this, &QWidget::close);
}

void BarGraphWindow::layoutBottom()
{
    const int listHeight = height() - ListTop - BottomBand;
    m_listArea->setGeometry(ListLeft, ListTop, listAreaWidth(), qMax(0, listHeight));
    const int bandTop = ListTop + qMax(0, listHeight);
    m_legend->move(BarChart::StripLeft, bandTop + 12 + (25 - m_legend->height()) / 2);
    m_closeButton->move(width() - m_closeButton->width() - 50, bandTop + 12);
}

void BarGraphWindow::setRowsInView(int rows)
{
    struct Scale
    {
        int rows, top, height;
        QAction *item;
    };
    const Scale scales[] = {
        {5, 300, 300, m_fiveRowsAction}, {10, 115, 485, m_tenRowsAction}, {15, 0, 650, m_fifteenRowsAction}};
    for (const Scale &s : scales) {
        if (s.rows != rows)
            continue;
        WindowPlacer::place(this,
                            {QPoint(WindowPlacer::offsetOf(this).x(), s.top), QSize(width(), s.height)});
        scrollToEnd();
        s.item->setChecked(true);
    }
}

void BarGraphWindow::scrollToEnd()
{
    layoutBottom();
    QScrollBar *bar = m_listArea->verticalScrollBar();
    bar->setValue(qMin(bar->maximum(), int(m_rows.size()) * BarChart::RowHeight));
}

void BarGraphWindow::showJobOfRow(int row)
{
    m_host.activateMainWindow();
    const MonthKind kind = m_host.shownMonth();
    const MonthFile::Jobs &jobs = m_session.jobs(kind);
    const int count = m_session.count(kind);
    if (count == 1)
        return;
    // Only the used slots of the shown month answer a click.
    if (row < 0 || row >= count || row >= MonthFile::RecordCount)
        return;
    // The slot is the record's identity, whatever number a damaged file stores in it.
    const int n = row + 1;
    if (n == m_host.shownDataNo())
        m_host.setShownCheck(jobs[size_t(n - 1)].check);
    else
        m_host.showRecord(kind, n);
}

void BarGraphWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (m_placed)
        return;
    m_placed = true;
    WindowPlacer::place(this, {QPoint(RightEdge, DefaultTop), size(), false, false, true});
    scrollToEnd();
}

void BarGraphWindow::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (height() < 155) {
        move(x(), 290);
        resize(width(), DefaultHeight);
        return;
    }
    if (height() > 650) {
        move(x(), 40);
        resize(width(), 650);
        return;
    }
    layoutBottom();
}

void BarGraphWindow::closeEvent(QCloseEvent *event)
{
    QWidget::closeEvent(event);
    if (event->isAccepted())
        emit closed();
}

void BarGraphWindow::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    // Coming back to the front repaints the rows where they were.
    if (event->type() == QEvent::ActivationChange && isActiveWindow() &&
        m_listArea->verticalScrollBar()->isVisible()) {
        const int pos = m_listArea->verticalScrollBar()->value();
        m_canvas->update();
        m_listArea->verticalScrollBar()->setValue(pos);
    }
}

void BarGraphWindow::contextMenuEvent(QContextMenuEvent *event)
{
    m_rowsMenu->popup(event->globalPos());
}

bool BarGraphWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_closeButton && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape) {
        close();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}
