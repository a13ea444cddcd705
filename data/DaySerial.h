#pragma once

#include <QDate>

// Dates in the files are day serials: days since 1899-12-30 as a double, the fraction being the
// time of day. Rules that compare dates compare these raw values.
namespace DaySerial {

QDate epoch();
double fromDate(const QDate &date);
// The calendar day of a serial (the fraction is dropped).
QDate toDate(double serial);
// Whether a serial holds a day at all: NaN and infinities, found only in damaged files, do not.
bool holdsDay(double serial);
// The calendar day of a serial, or an invalid date for one that holds no day: shown as unset.
QDate dayOf(double serial);
// Whole days of a serial, truncated as the rules of the program expect.
int wholeDays(double serial);
int month(double serial);
int day(double serial);

bool isLeapYear(int year);
int daysInMonth(int year, int month);
// Month before and after, wrapping around the year (prev(1) = 12, next(12) = 1).
int previousMonth(int month);
int nextMonth(int month);

} // namespace DaySerial
