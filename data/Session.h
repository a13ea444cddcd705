#pragma once

#include "data/Config.h"
#include "data/JobRecord.h"
#include "data/SafeFile.h"

#include <QDate>
#include <QString>

// Which month array the main window shows and edits.
enum class MonthKind { Current, Previous, Past };

// The shared state of one run of Wrenly: the program folder, the start-up day and its month
// files, the month arrays and the configuration. The main window owns it and hands it to the
// windows that need it. File names and the day are fixed at start-up, so a program that runs
// past midnight keeps working on the start-up day's months.
class Session
{
public:
    explicit Session(const QString &exeDir);

    const QString &exeDir() const { return m_exeDir; }
    // Every data file lives in the program folder.
    QString pathOf(const QString &name) const;
    QString configPath() const { return pathOf(Config::fileName()); }

    Config &config() { return m_config; }
    const Config &config() const { return m_config; }

    // Sets the day and the names of the current and the previous month file.
    void startDay(const QDate &today);
    QDate today() const { return m_today; }
    double todaySerial() const;
    int thisYear() const { return m_thisYear; }
    int thisMonth() const { return m_thisMonth; }
    int prevMonth() const { return m_prevMonth; }
    // The year in which the previous month lies.
    int prevMonthYear() const { return m_thisMonth == 1 ? m_thisYear - 1 : m_thisYear; }
    // The daily planner moves these to the current date when it opens; the file names stay.
    void setThisYearMonth(int year, int month);

    QString fileName(MonthKind kind) const;
    QString currentFileName() const { return m_currentFileName; }
    QString previousFileName() const { return m_previousFileName; }
    bool fileExists(MonthKind kind) const;

    MonthFile::Jobs &jobs(MonthKind kind);
    const MonthFile::Jobs &jobs(MonthKind kind) const;
    int count(MonthKind kind) const;
    // Recounts the used records of the month and stores the count.
    int recount(MonthKind kind);
    // The month number shown for records of this kind (ThisMonth or PrevMonth).
    int monthNumber(MonthKind kind) const;

    // Reads the month file into its array (the array is cleared first) and counts it.
    SafeFile::Result load(MonthKind kind);
    // Writes the whole array to its file; a longer existing file keeps its later bytes unless
    // the file is being created anew (Tail::Drop).
    SafeFile::Result save(MonthKind kind, SafeFile::Tail tail = SafeFile::Tail::Keep);
    // Reads any month file (past-data output) into the past array.
    SafeFile::Result loadPast(const QString &name);

    MonthKind displayMonth() const { return m_displayMonth; }
    void setDisplayMonth(MonthKind kind) { m_displayMonth = kind; }

private:
    QString m_exeDir;
    Config m_config;
    QDate m_today;
    int m_thisYear = 0;
    int m_thisMonth = 0;
    int m_prevMonth = 0;
    QString m_currentFileName;
    QString m_previousFileName;
    QString m_pastFileName;
    MonthFile::Jobs m_currentJobs{};
    MonthFile::Jobs m_previousJobs{};
    MonthFile::Jobs m_pastJobs{};
    int m_currentCount = 0;
    int m_previousCount = 0;
    int m_pastCount = 0;
    MonthKind m_displayMonth = MonthKind::Current;
};
