#pragma once

#include "data/JobRecord.h"
#include "data/SafeFile.h"

#include <QString>
#include <QStringList>

// The month files of earlier months in the program folder, for the past-data output.
namespace PastMonths {

// The month a file's name stands for: the year from characters 2 to 5, the month from the letters
// 6 to 8 in any case (Y2003MAY.vxf and y2003may.vxf give 2003 and 5).
struct MonthOfName
{
    bool hasYear = false; // the four characters are a number
    int year = 0;
    int month = 0; // 1..12; 0 when the letters name no month
    bool operator==(const MonthOfName &) const = default;
};
MonthOfName monthOf(const QString &fileName);

// The names of the month files (*.vxf in any case) in `folder` other than `current` and
// `previous`, oldest first; names without a year or a month come last, by name.
QStringList list(const QString &folder, const QString &current, const QString &previous);

// The month files in `folder` whose names are no UTF-8 (a Shift-JIS name copied from another
// system): the program cannot open them by name, and list() leaves them out. Each name is decoded
// as Shift-JIS where that works, else with the bytes it cannot show as "?".
QStringList namesNotUtf8(const QString &folder);

// Reads a month file into `jobs`, cleared first: a shorter file leaves the rest empty.
SafeFile::Result read(const QString &path, MonthFile::Jobs *jobs);

} // namespace PastMonths
