#pragma once

#include <QDate>

// The rules that keep a job's dates within reach of the month being kept. Only month numbers are
// compared with the current month, never years: a start in May of next year passes in May.
namespace EntryRules {

// The month before, of and after `thisMonth`, wrapping around the year.
bool isStartMonthAllowed(int startMonth, int thisMonth);

// Picker span: the end may lie up to 60 days after the start.
constexpr int PickerMaxSpan = 60;
// Calendar span: one day less than through the pickers.
constexpr int CalendarMaxSpan = 59;

// Checks an end date against the start: not before it; a job starting next month ends in it;
// the end lies in the start's month or the month after; at most `maxSpan` days later.
bool isEndAllowed(const QDate &start, const QDate &end, int thisMonth, int maxSpan = PickerMaxSpan);

// A range dragged on the calendar: the start month rule plus the end rule with the shorter span.
bool isCalendarRangeAllowed(const QDate &start, const QDate &end, int thisMonth);

} // namespace EntryRules
