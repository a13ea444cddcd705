#pragma once

#include "data/StepChart.h"
#include "data/StepFile.h"

#include <QObject>

#include <functional>
#include <optional>

class QScrollArea;
class QTimer;
class StepChartWidget;

// Sets a strip's bar by dragging over it with the left button: the bar follows the pointer from the
// press, and near an edge of the view the chart scrolls one step, then ignores moves for a short
// pause. Only a strip that accepts (its radio button is chosen) is dragged; the release hands the
// pixels over and the window decides what they mean.
class StepDragController final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(StepDragController)
public:
    using Kind = StepKind;
    // Scroll step at the chart's edges while dragging, the margin that starts it and the pause
    // after each step.
    static constexpr int ScrollStep = 5;
    static constexpr int ScrollMargin = 39;
    static constexpr int ScrollPauseMs = 2;

    struct Drag
    {
        int row = -1;
        Kind kind = Kind::Initial;
        int left = 0;               // where the press was, in strip pixels
        StepChart::BarPixels shown; // the bar before the press, shown again when nothing is stored
    };

    // Watches the strips of `chart`, shown in `view`.
    StepDragController(StepChartWidget &chart, QScrollArea &view, QObject *parent = nullptr);

    // Whether a strip takes a drag now; asked at the press, at each move and at the release.
    void setAccepts(std::function<bool(int row, Kind kind)> accepts) { m_accepts = std::move(accepts); }

signals:
    void started(int row, Kind kind);
    // The button was let go at `x` (strip pixels); `accepted` says whether the strip still takes
    // the drag.
    void released(const Drag &drag, int x, bool accepted);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void begin(int row, Kind kind, int x);
    void dragTo(int x);
    void end(int x);
    // Scrolls the chart when the pointer nears an edge of the view; true when it did.
    bool scrollAtEdge(int x);
    bool accepts(int row, Kind kind) const { return m_accepts && m_accepts(row, kind); }

    StepChartWidget &m_chart;
    QScrollArea &m_view;
    std::function<bool(int row, Kind kind)> m_accepts;
    std::optional<Drag> m_drag;
    // Moves are ignored while it runs: the pause after each automatic scroll step.
    QTimer *m_pause = nullptr;
};
