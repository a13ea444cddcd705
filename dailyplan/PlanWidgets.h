#pragma once

#include "DayFile.h"
#include "TimeAxis.h"

#include <QWidget>

// The paint boxes of the plan area. Each computes what it draws apart from painting it and
// repaints only the rows that changed.

// pbxTime: the scale, one mark every five minutes and the hours.
class TimeScaleBox final : public QWidget
{
    Q_OBJECT
public:
    explicit TimeScaleBox(QWidget *parent = nullptr);
    static QColor background();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    // The whole scale never changes: drawn once per run, then copied.
    static const QImage &image();
};

// pbxFrameL / pbxFrameR: a pane in the four colours of the day.
class PaneBox final : public QWidget
{
    Q_OBJECT
public:
    PaneBox(const QList<TimeAxis::Band> &bands, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QList<TimeAxis::Band> m_bands;
};

// pbxTimeL / pbxTimeR: a white drag column showing the bars of its side.
class DragColumn final : public QWidget
{
    Q_OBJECT
public:
    enum class Side { Left, Right };
    DragColumn(Side side, QWidget *parent = nullptr);

    Side side() const { return m_side; }
    // Takes the bars and repaints the rows of the entries that changed.
    void setBars(const ScheduleBars &bars);
    // Columns filled by a bar: [0, 11) on the left, [1, 12) on the right.
    QRect barRect(const ScheduleBar &bar) const;

signals:
    void pressed(DragColumn *column, Qt::MouseButton button, int y);
    void moved(DragColumn *column, int y);
    void released(DragColumn *column, Qt::MouseButton button, int y);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    bool drawsHere(const ScheduleBar &bar) const;

    Side m_side;
    ScheduleBars m_bars;
};
