#pragma once

#include "StepChart.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QWidget>

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

} // namespace StepColours

// The chart's pictures are computed once per window of months and only copied to the screen.
namespace StepChartPainter {

// The chart's own face: Japanese gothic at the given pixel size, without smoothing so that the
// small digits stay sharp in their 13-pixel columns.
QFont font(int pixelSize, bool bold = false);

QImage header(const StepMonths &months, QSize size);
QImage grid(const StepMonths &months, QSize size);
QImage separator(const StepMonths &months, QSize size);

} // namespace StepChartPainter

// A surface that shows a precomputed picture (header, row grid, separator).
class StepPictureBox final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(StepPictureBox)
public:
    explicit StepPictureBox(QWidget *parent = nullptr);
    void setPicture(const QImage &picture);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage m_picture;
};

// One strip: its background and one solid bar from left to right (exclusive).
class StepStripBox final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(StepStripBox)
public:
    StepStripBox(const QColor &background, const QColor &bar, QWidget *parent = nullptr);

    StepChart::BarPixels bar() const { return m_bar; }
    // Repaints only the columns that change.
    void setBar(StepChart::BarPixels bar);
    void setBarColour(const QColor &colour);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QRect barRect(StepChart::BarPixels bar) const;

    QColor m_background;
    QColor m_barColour;
    StepChart::BarPixels m_bar;
};
