#pragma once

#include <QDate>
#include <QList>
#include <QString>

#include <compare>
#include <optional>

// A month of a year, as exports and the command line name them ("2024-05").
struct YearMonth
{
    int year = 0;
    int month = 0;

    // "YYYY-MM", years 1..9999; anything else is nothing.
    static std::optional<YearMonth> fromText(const QString &text);
    static YearMonth of(const QDate &date) { return {date.year(), date.month()}; }
    QString text() const;
    YearMonth next() const { return month == 12 ? YearMonth{year + 1, 1} : YearMonth{year, month + 1}; }
    auto operator<=>(const YearMonth &) const = default;
};

// The month files of a range of months.
namespace MonthRange {

struct Found
{
    YearMonth month;
    QString path;
};

struct Scan
{
    QList<Found> files;       // oldest first
    QList<YearMonth> missing; // months of the range without a file
};

// Looks in `folder` for the file of every month from `from` to `to`, by its name in any letter
// case (Y2024MAY.vxf or y2024may.vxf); the name Wrenly writes wins when both are there.
Scan scan(const QString &folder, YearMonth from, YearMonth to);

} // namespace MonthRange
