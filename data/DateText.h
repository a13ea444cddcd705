#pragma once

#include <QDate>
#include <QString>

// Dates as the Japanese windows show them, whatever the machine's locale. Every form shows an
// invalid date (a day serial that holds none, DaySerial::dayOf) as unsetText().
namespace DateText {

// "未設定".
QString unsetText();

// "日" .. "土" for Sunday .. Saturday.
QString weekdayLetter(const QDate &date);
// The same by column of a week that starts on Sunday (0 = Sunday .. 6 = Saturday).
QString weekdayLetter(int sundayFirstColumn);
// "03月05日(水)": two-digit month and day with the weekday (to-do rows).
QString monthDayPadded(const QDate &date);
// "3月5日(水)": month and day without leading zeros (bar graph captions).
QString monthDay(const QDate &date);
// "2005年5月16日": the long date of the date pickers.
QString longDate(const QDate &date);
// "2005/05/16": the short date of text output and history lists.
QString shortDate(const QDate &date);
// The format string of the long date for QDateTimeEdit::setDisplayFormat.
QString longDateFormat();

} // namespace DateText
