#pragma once

#include "data/JobRecord.h"

#include <QDate>
#include <QString>
#include <QStringList>

// One month of job records as an export takes them.
struct ExportMonth
{
    int year = 0;
    int month = 0;
    MonthFile::Jobs jobs{};
    int count = 0; // the records the month shows: the unbroken run of used slots from slot 0

    // The name Wrenly gives the month's file, whatever its letter case on disk: the identities of
    // exported jobs and the names of step files go by it.
    QString fileName() const { return MonthFile::fileName(year, month); }
};

// How a job record leaves Wrenly: the rules the CSV and the iCalendar export share.
namespace JobExport {

// "2024-05".
QString monthText(int year, int month);
// The calendar day of a serial; serials a broken file makes absurd are pulled into years 100..9999.
QDate date(double serial);
// ISO 8601: "2024-05-06".
QString isoDate(double serial);
// The title without the step planner's "[STEP]" mark.
QString bareTitle(const QString &title);
// "未完", "遂行中" or "完了"; any other value counts as not done, as on the bar graph.
QString stateText(qint32 check);
// Line breaks as LF, the form spreadsheets and calendars keep inside one field.
QString plainLines(const QString &text);

QStringList csvHeader();
QStringList csvFields(const ExportMonth &month, int slot);

// The identity of a job in a calendar: its month file and slot, the same in every export, so that
// a calendar program updates the job instead of adding it again.
QString uid(const ExportMonth &month, int slot);

} // namespace JobExport
