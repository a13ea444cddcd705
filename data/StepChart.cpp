#include "data/StepChart.h"

#include "data/DaySerial.h"

#include <algorithm>
#include <cmath>

namespace {

// Serials a damaged file may hold are kept out of the date arithmetic (years 100 to 9999).
bool isReasonableSerial(double serial)
{
    return std::isfinite(serial) && serial >= -657434.0 && serial <= 2958465.0;
}

} // namespace

StepMonths StepMonths::around(int year, int month)
{
    StepMonths m;
    m.baseYear = year;
    m.beforeMonth = DaySerial::previousMonth(month);
    m.baseMonth = month;
    m.afterMonth = DaySerial::nextMonth(month);
    m.beforeDays = DaySerial::daysInMonth(m.yearOf(0), m.beforeMonth);
    m.baseDays = DaySerial::daysInMonth(year, month);
    m.afterDays = DaySerial::daysInMonth(m.yearOf(2), m.afterMonth);
    return m;
}

bool StepMonths::isValid() const
{
    if (baseYear < 101 || baseYear > 9998 || baseMonth < 1 || baseMonth > 12)
        return false;
    if (beforeMonth != DaySerial::previousMonth(baseMonth) || afterMonth != DaySerial::nextMonth(baseMonth))
        return false;
    for (int i = 0; i < 3; ++i) {
        if (daysOf(i) != DaySerial::daysInMonth(yearOf(i), monthOf(i)))
            return false;
    }
    return true;
}

int StepMonths::dayCount() const
{
    return isValid() ? beforeDays + baseDays + afterDays : 0;
}

int StepMonths::firstMonthYear() const
{
    return beforeMonth == 12 ? baseYear - 1 : baseYear;
}

int StepMonths::yearOf(int index) const
{
    switch (index) {
    case 0:
        return firstMonthYear();
    case 2:
        return afterMonth == 1 ? baseYear + 1 : baseYear;
    default:
        return baseYear;
    }
}

int StepMonths::monthOf(int index) const
{
    switch (index) {
    case 0:
        return beforeMonth;
    case 2:
        return afterMonth;
    default:
        return baseMonth;
    }
}

int StepMonths::daysOf(int index) const
{
    switch (index) {
    case 0:
        return beforeDays;
    case 2:
        return afterDays;
    default:
        return baseDays;
    }
}

int StepMonths::firstColumnOf(int index) const
{
    switch (index) {
    case 0:
        return 0;
    case 2:
        return beforeDays + baseDays;
    default:
        return beforeDays;
    }
}

QDate StepMonths::firstDate() const
{
    return QDate(firstMonthYear(), beforeMonth, 1);
}

QDate StepMonths::dateOfColumn(int column) const
{
    return firstDate().addDays(column);
}

int StepMonths::columnOf(const QDate &date) const
{
    const int days = dayCount();
    if (days == 0 || !date.isValid())
        return -1;
    const qint64 k = firstDate().daysTo(date);
    return k >= 0 && k < days ? int(k) : -1;
}

namespace StepChart {

std::optional<BarPixels> barSpanPixels(const StepMonths &months, double start, double end)
{
    // The whole date is compared, not only the month number: a period of the same months a
    // year away is not one of the chart's days.
    if (!isReasonableSerial(start) || !isReasonableSerial(end))
        return std::nullopt;
    const int column = months.columnOf(DaySerial::toDate(start));
    if (column < 0)
        return std::nullopt;
    // An end before the start draws nothing; a far end is held to a width that stays an int.
    constexpr qint64 MaxSpan = 100000;
    const qint64 span =
        std::clamp<qint64>(qint64(DaySerial::wholeDays(end)) - DaySerial::wholeDays(start) + 1, 0, MaxSpan);
    const int left = DayWidth * column;
    return BarPixels{left, left + int(DayWidth * span)};
}

std::optional<DaySpan> datesAtPixels(const StepMonths &months, int x1, int x2)
{
    const int days = months.dayCount();
    if (days == 0)
        return std::nullopt;
    // A release left of the strip takes the first column, one at or past its end the last.
    const auto inside = [days](int x) {
        if (x < 0)
            return 10;
        if (x >= DayWidth * days)
            return DayWidth * days - 10;
        return x;
    };
    const int a = inside(x1) / DayWidth + 1;
    const int b = inside(x2) / DayWidth + 1;
    DaySpan span;
    span.first = std::min(a, b);
    span.last = std::max(a, b);
    span.firstDate = months.dateOfColumn(span.first - 1);
    span.lastDate = months.dateOfColumn(span.last - 1);
    return span;
}

QList<DayColumn> dayColumns(const StepMonths &months)
{
    QList<DayColumn> columns;
    if (!months.isValid())
        return columns;
    columns.reserve(months.dayCount());
    for (int index = 0; index < 3; ++index) {
        const int first = months.firstColumnOf(index);
        const int days = months.daysOf(index);
        const QDate start(months.yearOf(index), months.monthOf(index), 1);
        for (int d = 1; d <= days; ++d)
            columns.append({first + d - 1, index, start.addDays(d - 1), d == days});
    }
    return columns;
}

GridShade gridShade(int day, int daysInMonth)
{
    if (day % 10 == 0)
        return GridShade::Black;
    if (day % 5 == 0 || day == daysInMonth)
        return GridShade::Grey;
    return GridShade::White;
}

int monthNumberX(const StepMonths &months, int index)
{
    return DayWidth * months.firstColumnOf(index) + 180;
}

int monthLetterX(const StepMonths &months, int index)
{
    return DayWidth * months.firstColumnOf(index) + 200;
}

Sizes sizes(int dayCount)
{
    Sizes s;
    s.strip = DayWidth * dayCount - 1;
    s.row = DayWidth * dayCount + 4;
    s.separator = s.row - 3;
    s.frame = s.row + 2;
    s.base = s.frame + 20;
    s.scrollRange = s.base - 10;
    return s;
}

} // namespace StepChart
