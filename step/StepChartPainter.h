#pragma once

#include "data/StepChart.h"

#include <QColor>
#include <QFont>
#include <QImage>

// Colours of the step chart.
namespace StepColours {

inline const QColor skyBlue{166, 202, 240};
// Strip backgrounds: initial, revised, actual.
inline const QColor stripBackground[3] = {{238, 238, 238}, {221, 221, 221}, {204, 204, 204}};
inline const QColor overallInitialBar{221, 0, 0};
inline const QColor stepInitialBar{238, 128, 0};
inline const QColor revisedBar{0, 221, 0};
inline const QColor actualBar{0, 0, 221};
inline const QColor gridBlack{0, 0, 0};
inline const QColor gridGrey{128, 128, 128};
inline const QColor white{255, 255, 255};
inline const QColor sunday{255, 0, 0};
inline const QColor weekday{0, 0, 0};
inline const QColor separator{192, 192, 255};
inline const QColor separatorTick{128, 128, 128};

// The bar colour of a strip: kind 0 initial, 1 revised, 2 actual.
QColor bar(int row, int kind);
// The colour of a day's line in the grid.
QColor gridLine(StepChart::GridShade shade);

} // namespace StepColours

// The chart's pictures are computed once per window of months and only copied to the screen.
namespace StepChartPainter {

// The chart's own face: Japanese gothic at the given pixel size, without smoothing so that the
// small digits stay sharp in their 13-pixel columns.
QFont font(int pixelSize, bool bold = false);

// Pictures of `size` logical pixels, made with `pixelRatio` device pixels to one so that lines and
// text stay sharp on a scaled screen.
QImage header(const StepMonths &months, QSize size, qreal pixelRatio = 1.0);
QImage grid(const StepMonths &months, QSize size, qreal pixelRatio = 1.0);
QImage separator(const StepMonths &months, QSize size, qreal pixelRatio = 1.0);

// The header and the row grid, painted again only when the months, the sizes, the pixel ratio or
// the application's font differ from those of the last call: a window opened again over the same
// file copies them.
struct ChartPictures
{
    QImage header;
    QImage grid;
};
ChartPictures chartPictures(const StepMonths &months, QSize headerSize, QSize gridSize, qreal pixelRatio);

} // namespace StepChartPainter
