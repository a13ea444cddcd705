#pragma once

#include "data/Config.h"
#include "data/JobRecord.h"
#include "data/SafeFile.h"

#include <QDate>
#include <QList>
#include <QString>

#include <array>

// Which month array the main window shows and edits.
enum class MonthKind { Current, Previous, Past };

// The shared state of one run of Wrenly: the program folder, the start-up day and its month
// files, the month arrays with their counts and the configuration. The main window owns it and
// hands it to the windows that need it; what one window shows belongs to that window. File names
// and the day are fixed at start-up, so a program that runs past midnight keeps working on the
// start-up day's months.
class Session
{
public:
    explicit Session(const QString &exeDir);

    const QString &exeDir() const { return m_exeDir; }
    // Every data file lives in the program folder.
    QString pathOf(const QString &name) const;
    QString configPath() const { return pathOf(Config::fileName()); }
    // Settings Config.vxc has no line for (QSettings, INI): its 50 lines stay as older readers expect.
    QString settingsPath() const { return pathOf(QStringLiteral("Wrenly.ini")); }

    Config &config() { return m_config; }
    const Config &config() const { return m_config; }
    // Reads the configuration file, first writing the default one when there is none. On failure
    // the configuration keeps what it had and `failed` tells which step it was.
    SafeFile::Result loadConfig(FileOperation *failed = nullptr);
    // Writes every setting to the configuration file, anew when it has gone meanwhile. A file
    // changed by another program (or Wrenly) since it was read is left alone (changedOnDisk) and
    // read again: the configuration takes its lines but those changed here since the last read.
    SafeFile::Result saveConfig();

    // Sets the day and the names of the current and the previous month file.
    void startDay(const QDate &today);
    QDate today() const { return m_today; }
    double todaySerial() const;
    int thisYear() const { return m_thisYear; }
    int thisMonth() const { return m_thisMonth; }
    int prevMonth() const { return m_prevMonth; }
    // The year in which the previous month lies.
    int prevMonthYear() const { return m_thisMonth == 1 ? m_thisYear - 1 : m_thisYear; }

    QString fileName(MonthKind kind) const;
    QString currentFileName() const { return m_currentFileName; }
    QString previousFileName() const { return m_previousFileName; }
    bool fileExists(MonthKind kind) const;

    // The arrays change only through load and storeRecord, so memory always matches the files
    // and the counts match the arrays.
    const MonthFile::Jobs &jobs(MonthKind kind) const;
    const JobRecord &job(MonthKind kind, int slot) const { return jobs(kind)[size_t(slot)]; }
    // The month's bytes as read or last written (MonthFile::Size of them), texts as stored.
    const QByteArray &image(MonthKind kind) const { return month(kind).image; }
    // The length of the unbroken run of used slots from slot 0.
    int count(MonthKind kind) const;
    // The month number of the records of this kind: this month for the current and the past
    // array, the month before for the previous one.
    int monthNumber(MonthKind kind) const;

    // Reads the month file into its array (the array is cleared first) and counts it.
    SafeFile::Result load(MonthKind kind);
    // Puts `record` into `slot` and writes the whole month to its file. A longer existing file
    // keeps its later bytes unless the file is being created anew (Tail::Drop). When the write
    // fails, the slot gets its old record back: memory still matches the file. A file that another
    // program changed since it was read is not written (changedOnDisk); load it again.
    SafeFile::Result storeRecord(MonthKind kind, int slot, const JobRecord &record,
                                 SafeFile::Tail tail = SafeFile::Tail::Keep);
    // Copies the records at the slots `chosen` of `source` (the bytes of a month file, as an earlier version
    // holds them) into the month byte for byte and writes the month to its file once, with the
    // same rules as storeRecord.
    SafeFile::Result copyRecords(MonthKind kind, const QByteArray &source, const QList<int> &chosen);
    // Reads any month file of the program folder (past-data output) into the past array, cleared
    // first. On failure the past array and its name stay as they were.
    SafeFile::Result loadPast(const QString &name);

private:
    void takeChangedConfig();
    // A configuration as the file holds it, and back; the picture may lie in the data folder.
    Config configOf(const QByteArray &bytes) const;
    QByteArray configBytes(const Config &config) const;

    QString m_exeDir;
    Config m_config;
    SafeFile::Snapshot m_configSnapshot; // the configuration file as read or last written
    QDate m_today;
    int m_thisYear = 0;
    int m_thisMonth = 0;
    int m_prevMonth = 0;
    QString m_currentFileName;
    QString m_previousFileName;
    QString m_pastFileName;

    // One month as read: the records, their count and the bytes they came from, which a save
    // writes over so that untouched records keep their bytes.
    struct Month
    {
        MonthFile::Jobs jobs{};
        int count = 0;
        QByteArray image = QByteArray(MonthFile::Size, '\0');
        SafeFile::Snapshot snapshot; // the file as read or last written, to notice changes by others
    };
    std::array<Month, 3> m_months; // by MonthKind
    SafeFile::Result storeImage(MonthKind kind, const QByteArray &image, SafeFile::Tail tail);
    Month &month(MonthKind kind) { return m_months[size_t(kind)]; }
    const Month &month(MonthKind kind) const { return m_months[size_t(kind)]; }
};
