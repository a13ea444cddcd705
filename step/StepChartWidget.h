#pragma once

#include "data/StepChart.h"
#include "data/StepFile.h"

#include <QWidget>

#include <array>
#include <optional>
#include <utility>

class StepPanel;
class StepPictureWidget;
class StepStripWidget;

// The chart in the step window's scroll box: the day header, the six rows of a day grid and three
// strips each, and the floating separator that reads the days over a step row. The header, the
// grid and the separator are pictures made when the chart is sized; the strips paint their bars.
class StepChartWidget final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(StepChartWidget)
public:
    using Kind = StepKind;
    static constexpr int RowCount = StepChart::RowCount;
    static constexpr int Height = StepChart::FirstRowTop + RowCount * StepChart::RowHeight + 1;

    explicit StepChartWidget(QWidget *parent = nullptr);

    // Lays the chart out for three months and paints its pictures.
    void sizeChart(const StepMonths &months);
    const StepMonths &months() const { return m_months; }

    StepStripWidget *strip(int row, Kind kind) const { return m_rows[row].strip[int(kind)]; }
    StepChart::BarPixels bar(int row, Kind kind) const;
    void setBar(int row, Kind kind, std::optional<StepChart::BarPixels> pixels);
    // An unset period leaves the strip empty, though its day is one of the chart's in early 2005.
    void drawPeriod(int row, Kind kind, const StepPeriod &period);

    // The row whose panel, grid, strip or strip surface `object` is; -1 for anything else.
    int rowOf(const QObject *object) const;
    // The row and kind of a strip surface; nullopt for anything else.
    std::optional<std::pair<int, Kind>> stripOf(const QObject *object) const;

    bool isSeparatorShown() const;
    // Over step row `row` (1..5).
    void showSeparatorAt(int row);
    void hideSeparator();

signals:
    // The chart menu was asked for over `origin`, a part of a row.
    void menuRequested(QWidget *origin, const QPoint &globalPos);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Row
    {
        StepPanel *panel = nullptr;
        StepPictureWidget *grid = nullptr;
        std::array<StepPanel *, 3> stripPanel{};
        std::array<StepStripWidget *, 3> strip{};
    };
    void buildRow(int r);
    void paintSeparator();

    StepMonths m_months;
    StepPanel *m_frame = nullptr;
    StepPanel *m_headerPanel = nullptr;
    StepPictureWidget *m_headerPicture = nullptr;
    StepPanel *m_separatorPanel = nullptr;
    StepPictureWidget *m_separatorPicture = nullptr;
    std::array<Row, RowCount> m_rows{};
};
