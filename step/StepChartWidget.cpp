#include "step/StepChartWidget.h"

#include "platform/Hints.h"
#include "step/StepChartPainter.h"
#include "step/StepNames.h"
#include "step/StepPanel.h"
#include "step/StepPictureWidget.h"
#include "step/StepStripWidget.h"

#include <QContextMenuEvent>
#include <QMouseEvent>

using namespace Qt::StringLiterals;
using StepChart::BarPixels;

namespace {

constexpr int FrameLeft = 4;

const QString stripHint =
    u"|開始日から終了日までドラッグして,期間を設定します. 設定前に,右のオプションボタンを選択してください."_s;
const QString surfaceHint = u"|右クリックすると,ポップアップメニューが表示されます."_s;

StepPanel *panel(const QString &name, StepPanel::Bevel bevel, const QColor &colour, QWidget *parent)
{
    auto *p = new StepPanel(bevel, colour, parent);
    p->setObjectName(name);
    return p;
}

} // namespace

StepChartWidget::StepChartWidget(QWidget *parent) : QWidget(parent)
{
    m_frame = panel(u"chartFrame"_s, StepPanel::Bevel::Sunken, QColor(), this);
    m_headerPanel = panel(u"headerPanel"_s, StepPanel::Bevel::Raised, StepColours::skyBlue, m_frame);
    m_headerPicture = new StepPictureWidget(m_headerPanel);
    m_headerPicture->setObjectName(u"headerPicture"_s);

    for (int r = 0; r < RowCount; ++r)
        buildRow(r);

    m_separatorPanel = panel(u"separatorPanel"_s, StepPanel::Bevel::None, StepColours::separator, m_frame);
    m_separatorPicture = new StepPictureWidget(m_separatorPanel);
    m_separatorPicture->setObjectName(u"separatorPicture"_s);
    m_separatorPanel->hide();
}

void StepChartWidget::buildRow(int r)
{
    const QString number = QString::number(r);
    Row &row = m_rows[r];
    row.panel = panel(u"rowPanel"_s + number, StepPanel::Bevel::Raised, StepColours::skyBlue, m_frame);
    row.grid = new StepPictureWidget(row.panel);
    row.grid->setObjectName(u"rowGrid"_s + number);
    Hints::set(row.grid, surfaceHint);
    row.grid->installEventFilter(this);
    row.panel->installEventFilter(this);
    // The object names of a row's parts end in its number: 0 for the overall row, 1..5 for the steps.
    for (int k = 0; k < 3; ++k) {
        const QString role = StepNames::role(Kind(k));
        StepPanel *stripPanel = panel(role + u"StripPanel"_s + number, StepPanel::Bevel::Sunken,
                                      StepColours::stripBackground[k], row.panel);
        stripPanel->installEventFilter(this);
        auto *strip =
            new StepStripWidget(StepColours::stripBackground[k], StepColours::bar(r, k), stripPanel);
        strip->setObjectName(role + u"Strip"_s + number);
        Hints::set(strip, stripHint);
        strip->installEventFilter(this);
        row.stripPanel[k] = stripPanel;
        row.strip[k] = strip;
    }
}

void StepChartWidget::sizeChart(const StepMonths &months)
{
    m_months = months;
    const StepChart::Sizes s = StepChart::sizes(months.dayCount());

    m_headerPanel->setGeometry(1, StepChart::HeaderTop, s.row, StepChart::HeaderHeight);
    m_headerPicture->setGeometry(1, 1, s.row - 2, StepChart::HeaderPaintHeight);
    // All six rows show the same grid.
    const StepChartPainter::ChartPictures pictures = StepChartPainter::chartPictures(
        months, m_headerPicture->size(), QSize(s.row - 2, StepChart::RowHeight - 2), devicePixelRatioF());
    m_headerPicture->setPicture(pictures.header);
    for (int r = 0; r < RowCount; ++r) {
        Row &row = m_rows[r];
        row.panel->setGeometry(1, StepChart::rowTop(r), s.row, StepChart::RowHeight);
        row.grid->setGeometry(1, 1, s.row - 2, StepChart::RowHeight - 2);
        row.grid->setPicture(pictures.grid);
        for (int k = 0; k < 3; ++k) {
            row.stripPanel[k]->setGeometry(1, StepChart::StripTops[k], s.strip, StepChart::StripHeight);
            row.strip[k]->setGeometry(1, 1, s.strip - 2, StepChart::StripPaintHeight);
        }
    }

    m_separatorPanel->setGeometry(1, m_separatorPanel->y(), s.separator, StepChart::SeparatorHeight);
    m_separatorPicture->setGeometry(1, 0, s.separator - 1, StepChart::SeparatorHeight);
    // Painted when it shows: most openings never show it.
    m_separatorPicture->setPicture({});
    if (isSeparatorShown())
        paintSeparator();
    m_separatorPanel->raise();

    m_frame->setGeometry(FrameLeft, 0, s.frame, Height);
    resize(s.scrollRange, Height);
}

BarPixels StepChartWidget::bar(int row, Kind kind) const
{
    return strip(row, kind)->bar();
}

void StepChartWidget::setBar(int row, Kind kind, std::optional<BarPixels> pixels)
{
    strip(row, kind)->setBar(pixels.value_or(BarPixels{}));
}

void StepChartWidget::drawPeriod(int row, Kind kind, const StepPeriod &period)
{
    if (StepGroup::isUnset(period.start))
        setBar(row, kind, std::nullopt);
    else
        setBar(row, kind, StepChart::barSpanPixels(m_months, period.start, period.end));
}

int StepChartWidget::rowOf(const QObject *object) const
{
    for (int r = 0; r < RowCount; ++r) {
        const Row &row = m_rows[r];
        if (object == row.panel || object == row.grid)
            return r;
        for (int k = 0; k < 3; ++k) {
            if (object == row.stripPanel[k] || object == row.strip[k])
                return r;
        }
    }
    return -1;
}

std::optional<std::pair<int, StepChartWidget::Kind>> StepChartWidget::stripOf(const QObject *object) const
{
    for (int r = 0; r < RowCount; ++r) {
        for (int k = 0; k < 3; ++k) {
            if (object == m_rows[r].strip[k])
                return std::pair(r, Kind(k));
        }
    }
    return std::nullopt;
}

bool StepChartWidget::isSeparatorShown() const
{
    return m_separatorPanel->isVisibleTo(this);
}

void StepChartWidget::paintSeparator()
{
    m_separatorPicture->setPicture(
        StepChartPainter::separator(m_months, m_separatorPicture->size(), devicePixelRatioF()));
}

void StepChartWidget::showSeparatorAt(int row)
{
    if (m_separatorPicture->picture().isNull())
        paintSeparator();
    m_separatorPanel->move(1, StepChart::separatorTop(row));
    m_separatorPanel->show();
    m_separatorPanel->raise();
}

void StepChartWidget::hideSeparator()
{
    m_separatorPanel->hide();
}

bool StepChartWidget::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::ContextMenu && rowOf(watched) >= 0) {
        emit menuRequested(static_cast<QWidget *>(watched),
                           static_cast<QContextMenuEvent *>(event)->globalPos());
        return true;
    }
    // A left press on a step row brings the separator over it; only the left button, since a
    // right press opens the chart menu.
    if (event->type() == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        const int row = rowOf(watched);
        if (row >= 1 && isSeparatorShown())
            m_separatorPanel->move(1, StepChart::separatorTop(row));
    }
    return QWidget::eventFilter(watched, event);
}
