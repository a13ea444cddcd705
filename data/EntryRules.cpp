#include "data/EntryRules.h"

#include "data/DaySerial.h"

namespace EntryRules {

bool isStartMonthAllowed(int startMonth, int thisMonth)
{
    return startMonth == thisMonth || startMonth == DaySerial::previousMonth(thisMonth) ||
           startMonth == DaySerial::nextMonth(thisMonth);
}

bool isEndAllowed(const QDate &start, const QDate &end, int thisMonth, int maxSpan)
{
    const int s = start.month();
    const int e = end.month();
    if (start > end)
        return false;
    if (s == DaySerial::nextMonth(thisMonth) && e != s)
        return false;
    if (e != s && e != DaySerial::nextMonth(s))
        return false;
    return start.daysTo(end) <= maxSpan;
}

bool isCalendarRangeAllowed(const QDate &start, const QDate &end, int thisMonth)
{
    return isStartMonthAllowed(start.month(), thisMonth) &&
           isEndAllowed(start, end, thisMonth, CalendarMaxSpan);
}

} // namespace EntryRules
