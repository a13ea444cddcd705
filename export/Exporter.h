#pragma once

#include "data/Csv.h"
#include "data/JobExport.h"
#include "data/MonthRange.h"
#include "data/SafeFile.h"

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QSet>
#include <QString>

#include <memory>
#include <optional>

class IcsWriter;

// What to export and how.
struct ExportRequest
{
    enum class Format { Csv, ICalendar };

    Format format = Format::Csv;
    Csv::Encoding encoding = Csv::Encoding::Utf8WithBom; // CSV only
    QString folder;                                      // the program folder
    // The jobs: the month the main window shows, as the session holds it, or every month file of a
    // range. Neither: no jobs.
    std::optional<ExportMonth> shownMonth;
    std::optional<std::pair<YearMonth, YearMonth>> months;
    // The daily plan of these days, both included (iCalendar only).
    std::optional<std::pair<QDate, QDate>> days;
    QDateTime stamp; // when the export was made

    // The name the save dialog proposes, after what is exported: "Wrenly-2024-05.csv",
    // "Wrenly-2023-01_2024-05.ics", "Wrenly-2024-05-01_2024-05-31.ics".
    QString defaultFileName() const;
};

// One export, done a piece at a time (a month, a day) so that a window can show its progress and
// stay responsive between pieces. Reads through data/, never changes a file it reads.
class Exporter final
{
public:
    explicit Exporter(const ExportRequest &request);
    ~Exporter();
    Exporter(const Exporter &) = delete;
    Exporter &operator=(const Exporter &) = delete;

    int stepCount() const { return m_stepCount; }
    int stepsDone() const { return m_done; }
    bool atEnd() const { return m_done >= m_stepCount || !m_failure.ok; }
    // Does the next piece. False when nothing is left, or when a file could not be read: then
    // failure() and failedPath() say which, and the export is over.
    bool step();
    // Every step at once; false on failure.
    bool run();

    // The file, once every step is done.
    QByteArray bytes() const;
    const SafeFile::Result &failure() const { return m_failure; }
    const QString &failedPath() const { return m_failedPath; }
    // Months of the range without a file: skipped.
    const QList<YearMonth> &missingMonths() const { return m_scan.missing; }
    // "ファイルのない月は飛ばしました: 2024-04, ..." naming the first few; empty when none.
    QString missingMonthsText() const;
    int jobCount() const { return m_jobs; }

    // Replaces the file at `path` crash-safe; a longer file there keeps nothing of its end.
    static SafeFile::Result write(const QString &path, const QByteArray &bytes);

private:
    void addMonth(const ExportMonth &month);
    void addDay(const QDate &date);
    bool fail(const QString &path, const SafeFile::Result &result);

    ExportRequest m_request;
    MonthRange::Scan m_scan;
    QSet<QString> m_stepFiles;
    int m_monthSteps = 0;
    int m_stepCount = 0;
    int m_done = 0;
    int m_jobs = 0;
    QByteArray m_csv;
    std::unique_ptr<IcsWriter> m_ics;
    SafeFile::Result m_failure;
    QString m_failedPath;
};
