#pragma once

#include <QDate>
#include <QList>
#include <QtGlobal>

#include <optional>

// The three months a step chart shows, as kept in the header of its step file: the month before
// the job's month, the job's month and the month after, each with its number of days.
struct StepMonths
{
    qint32 baseYear = 0;
    qint32 beforeMonth = 0;
    qint32 beforeDays = 0;
    qint32 baseMonth = 0;
    qint32 baseDays = 0;
    qint32 afterMonth = 0;
    qint32 afterDays = 0;

    // The window of a new step file for a job of `month` in `year`.
    static StepMonths around(int year, int month);

    // Three consecutive months with their true lengths. A damaged header fails this test, and such
    // a file cannot be laid out as a chart.
    bool isValid() const;

    // Day columns of the chart (89 to 92); 0 for an invalid window.
    int dayCount() const;
    // The year of the first month: the year before when the window starts in December.
    int firstMonthYear() const;
    // Year, month and length of month 0 (before), 1 (base) and 2 (after).
    int yearOf(int index) const;
    int monthOf(int index) const;
    int daysOf(int index) const;
    // Column of day 1 of month `index`.
    int firstColumnOf(int index) const;

    QDate firstDate() const;
    QDate dateOfColumn(int column) const;
    // The 0-based column of a date, or -1 when the date lies outside the three months.
    int columnOf(const QDate &date) const;

    bool operator==(const StepMonths &) const = default;
};

// Geometry of the step chart in pixels. Everything the window lays out or paints is computed here
// so that it can be checked without a window.
namespace StepChart {

constexpr int DayWidth = 13;

// Vertical layout of the chart frame.
constexpr int HeaderTop = 1;
constexpr int HeaderHeight = 60;
constexpr int HeaderPaintHeight = 58;
constexpr int RowCount = 6;
constexpr int RowHeight = 65;
constexpr int FirstRowTop = 61;
constexpr int StripHeight = 14;
constexpr int StripPaintHeight = 12;
constexpr int StripTops[3] = {6, 25, 44}; // initial, revised, actual
constexpr int GridLineBottom = 63;
constexpr int SeparatorHeight = 15;

constexpr int rowTop(int row)
{
    return FirstRowTop + RowHeight * row;
}
// The floating separator sits 8 pixels above the panel of step row 1..5.
constexpr int separatorTop(int row)
{
    return rowTop(row) - 8;
}

// Bar extent in strip pixels, right exclusive. (0, 0) is no bar.
struct BarPixels
{
    int left = 0;
    int right = 0;
    bool isEmpty() const { return right <= left; }
    bool operator==(const BarPixels &) const = default;
};

// The pixels of a period from `start` to `end` (day serials, both days included), or nothing when
// the start is not one of the chart's days. The bar may reach past the last column; the strip
// clips it.
std::optional<BarPixels> barSpanPixels(const StepMonths &months, double start, double end);

// The days under a drag from x1 (press) to x2 (release), snapped to whole columns and kept inside
// the chart.
struct DaySpan
{
    int first = 0; // 1-based columns, first <= last
    int last = 0;
    QDate firstDate;
    QDate lastDate;
    // The bar over these days.
    BarPixels pixels() const { return {DayWidth * (first - 1), DayWidth * last}; }
};
std::optional<DaySpan> datesAtPixels(const StepMonths &months, int x1, int x2);

struct DayColumn
{
    int column = 0;
    int monthIndex = 0; // 0 before, 1 base, 2 after
    QDate date;
    bool lastOfMonth = false;
};
QList<DayColumn> dayColumns(const StepMonths &months);

enum class GridShade { Black, Grey, White };
// Black at days 10, 20, 30; grey at 5, 15, 25 and at a month's last day; white elsewhere.
GridShade gridShade(int day, int daysInMonth);

// The vertical line at the right edge of a column (grid, header, separator).
constexpr int lineX(int column)
{
    return DayWidth * (column + 1);
}
// Left of a day number: one-digit numbers are moved in to stand centred.
constexpr int dayNumberX(int column, int day)
{
    return DayWidth * column + (day >= 10 ? 1 : 5);
}
constexpr int weekdayLetterX(int column)
{
    return DayWidth * column + 2;
}
// Left of the month number and of "月" of month `index` in the header.
int monthNumberX(const StepMonths &months, int index);
int monthLetterX(const StepMonths &months, int index);

struct Sizes
{
    int strip = 0;       // strip panels
    int row = 0;         // header and row panels
    int separator = 0;   // floating separator
    int frame = 0;       // frame around header and rows
    int base = 0;        // base panel in the scroll box
    int scrollRange = 0; // width the scroll box scrolls over
};
Sizes sizes(int dayCount);

// Scroll position that puts the overall plan's last day at the right edge of the view.
constexpr int planEndScroll(int planRight, int viewWidth)
{
    return planRight - viewWidth + DayWidth;
}

} // namespace StepChart
