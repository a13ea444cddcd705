#include "data/DaySerial.h"

#include <algorithm>
#include <cmath>

namespace DaySerial {

namespace {

// Serials outside the years 100..9999 (a damaged file) are clamped before any integer cast.
constexpr double MinSerial = -657434.0; // 0100-01-01
constexpr double MaxSerial = 2958465.0; // 9999-12-31

double clamped(double serial)
{
    if (std::isnan(serial))
        return 0.0;
    return std::clamp(serial, MinSerial, MaxSerial);
}

} // namespace

QDate epoch()
{
    return QDate(1899, 12, 30);
}

double fromDate(const QDate &date)
{
    return double(epoch().daysTo(date));
}

QDate toDate(double serial)
{
    return epoch().addDays(qint64(std::floor(clamped(serial))));
}

bool holdsDay(double serial)
{
    return std::isfinite(serial);
}

QDate dayOf(double serial)
{
    return holdsDay(serial) ? toDate(serial) : QDate();
}

int wholeDays(double serial)
{
    return int(std::trunc(clamped(serial)));
}

int month(double serial)
{
    return toDate(serial).month();
}

int day(double serial)
{
    return toDate(serial).day();
}

bool isLeapYear(int year)
{
    return QDate::isLeapYear(year);
}

int daysInMonth(int year, int month)
{
    static constexpr int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12)
        return 31;
    if (month == 2 && isLeapYear(year))
        return 29;
    return days[month - 1];
}

int previousMonth(int month)
{
    return month == 1 ? 12 : month - 1;
}

int nextMonth(int month)
{
    return month == 12 ? 1 : month + 1;
}

} // namespace DaySerial
