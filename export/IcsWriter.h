#pragma once

#include "data/DayFile.h"
#include "data/JobExport.h"
#include "data/StepFile.h"

#include <QByteArray>
#include <QDate>
#include <QDateTime>

typedef struct icalcomponent_impl icalcomponent;

// An iCalendar file (RFC 5545), made and printed by libical. A job is a to-do, the periods of its
// step plan are all-day events under it (RELATED-TO), a pad of the daily plan is a timed event in
// UTC and the diary of a day a journal entry. Pad times are written in UTC: every calendar reads
// them as the same moments, and the file needs no time-zone description of its own, which libical
// could only take from a zoneinfo database the machine may lack.
class IcsWriter final
{
public:
    // `stamp`: when the export was made (DTSTAMP of every entry).
    explicit IcsWriter(const QDateTime &stamp);
    ~IcsWriter();
    IcsWriter(const IcsWriter &) = delete;
    IcsWriter &operator=(const IcsWriter &) = delete;

    void addJob(const ExportMonth &month, int slot);
    // The initial plan, the current revision and the actual period of each group of the job's plan.
    void addStepPlan(const ExportMonth &month, int slot, const StepFile &step);
    // The pads with times and the diary of one day of the daily plan.
    void addDay(const QDate &date, const DayFile &day);

    QByteArray text() const;

    // The CSS colour name (RFC 7986 COLOR) nearest to a colour of the files (0x00BBGGRR); empty
    // for the system colours of the old program, whose top byte is set.
    static QString colourName(qint32 colour);

private:
    icalcomponent *newEntry(int kind, const QString &uid);
    // Prints the entries made so far and lets them go: the text grows a piece at a time, and
    // text() has only the calendar's frame left to print.
    void flush();

    icalcomponent *m_calendar = nullptr;
    QByteArray m_entries;
    QDateTime m_stamp;
};
