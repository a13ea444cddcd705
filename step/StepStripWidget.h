#pragma once

#include "data/StepChart.h"

#include <QColor>
#include <QWidget>

// One strip: its background and one solid bar from left to right (exclusive).
class StepStripWidget final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(StepStripWidget)
public:
    StepStripWidget(const QColor &background, const QColor &bar, QWidget *parent = nullptr);

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
