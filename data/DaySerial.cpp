#include "DaySerial.h"

#include <cmath>

namespace DaySerial {

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
    if (!std::isfinite(serial))
        return epoch();
    return epoch().addDays(qint64(std::floor(serial)));
}

int wholeDays(double serial)
{
    if (!std::isfinite(serial))
        return 0;
    return int(std::trunc(serial));
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
