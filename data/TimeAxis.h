#pragma once

#include <QList>
#include <QString>

// The daily planner's time axis: two pixel rows per minute from 6:00 of the day (row 0) to 6:00 of
// the next morning (row 2880). Clock times are an hour 0..11, a minute and a PM flag; hour 0 with
// PM is noon, without PM midnight.
namespace TimeAxis {

constexpr int RowsPerMinute = 2;
constexpr int RowsPerHour = 120;
constexpr int Rows = 2880;        // end of the axis, 6:00 of the next morning
constexpr int LastRow = Rows - 1; // 5:59 of the next morning

struct ClockTime
{
    int hour = 0;
    int minute = 0;
    bool pm = false;
    bool operator==(const ClockTime &) const = default;
};

// Hours outside 0..11 (a value typed freely into an hour box) count as 6:00.
int timeToRow(int hour, bool pm, int minute);
// Rows outside the axis are taken as its first or last row.
ClockTime rowToTime(int row);

struct Rgb
{
    int r = 0;
    int g = 0;
    int b = 0;
    bool operator==(const Rgb &) const = default;
};

// One solid strip of a pane, rows [top, bottom).
struct Band
{
    int top = 0;
    int bottom = 0;
    Rgb color;
};

// The four quarters of the day: morning, afternoon, evening, night.
Rgb quarterColor(int quarter);
// The left pane changes colour at 12:00, 18:00 and 0:00; the right pane is painted in two-hour
// strips whose boundaries lie one row lower.
QList<Band> leftPaneBands();
QList<Band> rightPaneBands();

// One mark of the time scale, every five minutes.
struct ScaleMark
{
    int y = 0;
    int x0 = 0;
    int x1 = 0;
    Rgb textColor;
    QString label; // the hour at full hours, else empty
    int labelX = 0;
};
QList<ScaleMark> scaleMarks();

struct ScaleCaption
{
    int x = 0;
    int y = 0;
    QString text;
    Rgb color;
};
// "AM" / "PM" at the start of each quarter.
QList<ScaleCaption> scaleCaptions();

} // namespace TimeAxis
