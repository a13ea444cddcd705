#pragma once

#include "JobRecord.h"
#include "SafeFile.h"
#include "StepChart.h"

#include <QByteArray>
#include <QString>

#include <array>

namespace StepFile {

// A date field holding 2005-01-01 is unset: its bar is not drawn, its revision ends the list.
constexpr double UnsetDate = 38353.0;
inline bool isUnset(double serial)
{
    return serial == UnsetDate;
}

} // namespace StepFile

// One period of a plan group: first and last day (both included), the day it was set, a memo.
struct StepPeriod
{
    double start = StepFile::UnsetDate;
    double end = StepFile::UnsetDate;
    double date = StepFile::UnsetDate;
    QString memo;

    bool isSet() const { return !StepFile::isUnset(start); }
    bool operator==(const StepPeriod &) const = default;
};

// The overall schedule (group 0) or one of the five steps: 1992 bytes on disk.
struct StepGroup
{
    static constexpr int Size = 1992;
    static constexpr int TitleCapacity = 31;
    static constexpr int MemoCapacity = 255;
    static constexpr int RevisionSlots = 5;

    QString title;
    StepPeriod plan;
    std::array<StepPeriod, RevisionSlots> revisions{};
    StepPeriod actual;

    // Revisions fill from slot 0; the first unset slot ends them, whatever follows it.
    int revisionCount() const;

    static StepGroup fromBytes(const QByteArray &image, int offset);
    void toBytes(QByteArray &image, int offset) const;

    bool operator==(const StepGroup &) const = default;
};

// The step file of one job: a copy of the job, the chart's three months and six plan groups.
// 12672 bytes, no header of its own. A default record is the cleared image: no text, no numbers,
// every date unset.
struct StepRecord
{
    static constexpr int Size = 12672;
    static constexpr int GroupCount = 6;
    static constexpr int GroupsOffset = 720;
    static constexpr int PathCapacity = 255;

    QString sourcePath; // where the file was created; kept for the layout, never read
    StepMonths months;
    qint32 dataNo = 0;
    QString title;
    double startDate = 0.0;
    double endDate = 0.0;
    QString comments; // CR LF line breaks, as in the job
    QString customer;
    QString jobNo;
    QString jobType;
    std::array<StepGroup, GroupCount> groups{};

    // A new file for `job` of `month` in `year`: the overall plan is the job's period, set on `today`.
    static StepRecord newFor(const JobRecord &job, int year, int month, double today, const QString &path);

    // A shorter image fills the record as far as it goes; the rest stays cleared. Bytes after the
    // record are ignored.
    static StepRecord fromBytes(const QByteArray &image);
    QByteArray toBytes() const;

    bool operator==(const StepRecord &) const = default;
};

namespace StepFile {

// The folder beside the program that holds the step files.
QString folderName();
// The first eight characters of the job's month file name ("Y2005JAN") + the data number + ".vxs".
QString fileName(const QString &monthFileName, int dataNo);
QString nameFilter();

// Writes a new file (a file already at `path` is replaced whole).
SafeFile::Result create(const QString &path, const StepRecord &record);
// Reads the first Size bytes. A file whose three months make no chart is refused.
SafeFile::Result read(const QString &path, StepRecord *record);
// Rewrites the record in place; bytes after it in a longer file are kept.
SafeFile::Result write(const QString &path, const StepRecord &record);

} // namespace StepFile
