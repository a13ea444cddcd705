#include "views/BarGraphWindow.h"

#include "platform/Hints.h"
#include "platform/WindowPlacer.h"
#include "views/BarGraphCanvas.h"
#include "views/HintForwarder.h"
#include "views/MonthScaleWidget.h"
#include "views/ViewColours.h"
#include "views/ViewHost.h"
#include "widgets/FixedColours.h"
#include "widgets/InstantMnemonics.h"

#include "ui_BarGraphWindow.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QScrollBar>
#include <QStyle>

using namespace Qt::StringLiterals;

namespace {

constexpr int ListLeft = 9;
constexpr int ListTop = 45;
constexpr int BottomBand = 75; // legend and close button below the list area
constexpr int ExtraWidth = 25; // window width = list area width + 25

} // namespace

BarGraphWindow::BarGraphWindow(Session &session, ViewHost &host, const GraphSource &source, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_ui(std::make_unique<Ui::BarGraphWindow>()), m_session(session), m_host(host),
      m_separators(session.config().showDateSeparators)
{
    m_ui->setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(source.caption);
    forwardHintsToHost(this, host);

    m_strip = BarChart::monthStrip(source.month, source.year);
    if (m_separators)
        m_separatorLines = BarChart::separators(m_strip);
    for (int i = 0; i < 3; ++i)
        new MonthScaleWidget(m_strip.panels[size_t(i)], i + 1, this);

    QScrollArea *area = m_ui->listArea;
    area->verticalScrollBar()->setSingleStep(BarChart::RowHeight);
    // Only the viewport takes the colour: a palette of the scroll area's own would reach its scroll
    // bar, whose pictures the style then caches anew at every opening.
    QPalette pal = area->viewport()->palette();
    pal.setColor(QPalette::Window, ViewColours::listArea());
    area->viewport()->setPalette(pal);
    area->viewport()->setAutoFillBackground(true);
    QFont captionFont = font();
    captionFont.setPixelSize(13);
    m_canvas = new BarGraphCanvas(this, captionFont);
    buildRows(source);
    m_canvas->setFixedSize(rowWidth(), qMax(1, int(m_rows.size()) * BarChart::RowHeight));
    area->setWidget(m_canvas);
    if (!m_rows.isEmpty())
        Hints::set(m_canvas, u"|左クリックすると,データがメインウィンドウに表示されます"_s);

    colourLegend();
    m_ui->closeButton->installEventFilter(this);
    connect(m_ui->closeButton, &QPushButton::clicked, this, &QWidget::close);
    connect(m_ui->closeAction, &QAction::triggered, this, &QWidget::close);
    connect(m_ui->fiveRowsAction, &QAction::triggered, this, [this] { setRowsInView(5); });
    connect(m_ui->tenRowsAction, &QAction::triggered, this, [this] { setRowsInView(10); });
    connect(m_ui->fifteenRowsAction, &QAction::triggered, this, [this] { setRowsInView(15); });

    setFixedWidth(listAreaWidth() + ExtraWidth);
    resize(width(), DefaultHeight);
    layoutBottom();
    InstantMnemonics::apply(this);
}

BarGraphWindow::~BarGraphWindow() = default;

QScrollArea *BarGraphWindow::listArea() const
{
    return m_ui->listArea;
}

QWidget *BarGraphWindow::canvas() const
{
    return m_canvas;
}

int BarGraphWindow::listAreaWidth() const
{
    // Room for the scroll bar beside the rows, so the last days of the third month stay in view.
    return rowWidth() + 4 + style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, m_ui->listArea);
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

void BarGraphWindow::colourLegend()
{
    const struct
    {
        QLabel *swatch;
        QColor colour;
    } swatches[] = {{m_ui->notDoneSwatch, ViewColours::notDone()},
                    {m_ui->doneSwatch, ViewColours::done()},
                    {m_ui->inProgressSwatch, ViewColours::inProgress()},
                    {m_ui->stepSwatch, ViewColours::stepRow()}};
    for (const auto &s : swatches)
        FixedColours::setBackground(s.swatch, QPalette::Window, s.colour);
    // Its frame sits inside the margins, as the form cannot say.
    m_ui->stepSwatch->setContentsMargins(3, 1, 3, 1);
}

// Made when first asked for: most openings of the graph never show it.
QMenu *BarGraphWindow::rowsMenu()
{
    if (m_rowsMenu)
        return m_rowsMenu;
    m_rowsMenu = new QMenu(this);
    m_rowsMenu->setObjectName(u"rowsMenu"_s);
    m_rowsMenu->addActions({m_ui->fiveRowsAction, m_ui->tenRowsAction, m_ui->fifteenRowsAction});
    m_rowsMenu->addSeparator();
    m_rowsMenu->addAction(m_ui->closeAction);
    return m_rowsMenu;
}

void BarGraphWindow::layoutBottom()
{
    const int listHeight = height() - ListTop - BottomBand;
    m_ui->listArea->setGeometry(ListLeft, ListTop, listAreaWidth(), qMax(0, listHeight));
    const int bandTop = ListTop + qMax(0, listHeight);
    QWidget *legend = m_ui->legendPanel;
    legend->move(BarChart::StripLeft, bandTop + 12 + (25 - legend->height()) / 2);
    QPushButton *close = m_ui->closeButton;
    close->move(width() - close->width() - 50, bandTop + 12);
}

void BarGraphWindow::setRowsInView(int rows)
{
    struct Scale
    {
        int rows, top, height;
        QAction *item;
    };
    const Scale scales[] = {{5, 300, 300, m_ui->fiveRowsAction},
                            {10, 115, 485, m_ui->tenRowsAction},
                            {15, 0, 650, m_ui->fifteenRowsAction}};
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
    QScrollBar *bar = m_ui->listArea->verticalScrollBar();
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
        m_ui->listArea->verticalScrollBar()->isVisible()) {
        const int pos = m_ui->listArea->verticalScrollBar()->value();
        m_canvas->update();
        m_ui->listArea->verticalScrollBar()->setValue(pos);
    }
}

void BarGraphWindow::contextMenuEvent(QContextMenuEvent *event)
{
    rowsMenu()->popup(event->globalPos());
}

bool BarGraphWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_ui->closeButton && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape) {
        close();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}
