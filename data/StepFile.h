#pragma once

#include "data/JobRecord.h"
#include "data/SafeFile.h"
#include "data/StepChart.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <array>
#include <optional>

// The three strips of a row: the initial plan, the current revision and the actual period.
enum class StepKind { Initial = 0, Revised = 1, Actual = 2 };

struct StepPeriod;

// The overall schedule (group 0) or one of the five steps: 1992 bytes on disk. Each carries the
// initial plan, up to five revisions (parallel arrays, slot i is one revision) and the actual
// period, each with the day it was set and a memo.
struct StepGroup
{
    static constexpr int Size = 1992;
    static constexpr int TitleCapacity = 31;
    static constexpr int MemoCapacity = 255;
    static constexpr int RevisionSlots = 5;
    // A date field holding 2005-01-01 is unset: its bar is not drawn, its revision ends the list.
    static constexpr double UnsetDate = 38353.0;

    QString groupTitle;
    double planStart = UnsetDate;
    double planEnd = UnsetDate;
    double planDate = UnsetDate;
    QString planMemo;
    std::array<double, RevisionSlots> revStart{UnsetDate, UnsetDate, UnsetDate, UnsetDate, UnsetDate};
    std::array<double, RevisionSlots> revEnd{UnsetDate, UnsetDate, UnsetDate, UnsetDate, UnsetDate};
    std::array<double, RevisionSlots> revDate{UnsetDate, UnsetDate, UnsetDate, UnsetDate, UnsetDate};
    std::array<QString, RevisionSlots> revMemo{};
    double actualStart = UnsetDate;
    double actualEnd = UnsetDate;
    double actualDate = UnsetDate;
    QString actualMemo;

    static bool isUnset(double serial) { return serial == UnsetDate; }
    // The day a date field shows: one out of any calendar (a damaged file) shows as the unset day.
    static QDate shownDay(double serial);

    // Revisions fill from slot 0; the first unset slot ends them, whatever follows it.
    int revisionCount() const;

    // The revision slot one opening of the window edits, `revisionCount` being the count at the
    // opening: the next free slot, or the last one when all are used. One opening adds at most
    // one revision.
    static int editedSlot(int revisionCount);
    // The period a strip edits: the initial plan, the edited revision or the actual period.
    StepPeriod period(StepKind kind, int revisionCount) const;
    // The revision the strip shows: the one this opening set, else the last one stored.
    StepPeriod shownRevision(int revisionCount) const;
    void setPeriod(StepKind kind, int revisionCount, const StepPeriod &period);
    // Takes the strip's period back from `loaded`, the group as read, and returns it. A revision
    // comes back only when all five slots were used (the edited slot then held the fifth);
    // otherwise nothing changes. Dates and memos are never taken back.
    std::optional<StepPeriod> restorePeriod(StepKind kind, int revisionCount, const StepGroup &loaded);

    static StepGroup fromBytes(const QByteArray &image, int offset);
    // Writes over the group at `offset` of `image`, leaving fields that hold their value alone.
    void writeInto(QByteArray &image, int offset) const;

    bool operator==(const StepGroup &) const = default;
};

// The first and the last day of a period, as day serials.
struct StepPeriod
{
    double start = StepGroup::UnsetDate;
    double end = StepGroup::UnsetDate;
    // The days under a drag.
    static StepPeriod of(const StepChart::DaySpan &span);
    bool operator==(const StepPeriod &) const = default;
};

// The step file of one job: a copy of the job, the chart's three months and six plan groups.
// 12672 bytes, nothing else. A default record is the cleared image: no text, no numbers, every
// date of every group unset.
struct StepFile
{
    static constexpr int Size = 12672;
    static constexpr int GroupCount = 6;
    static constexpr int GroupsOffset = 720;
    static constexpr int PathCapacity = 255;
    static constexpr double UnsetDate = StepGroup::UnsetDate;

    QString sourcePath; // where the file was created; kept for the layout, never read
    StepMonths months;  // BaseYear, BeforeMonth, BeforeDays, BaseMonth, BaseDays, AfterMonth, AfterDays
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
    static StepFile newFor(const JobRecord &job, int year, int month, double today, const QString &path);

    // A shorter image fills the record as far as it goes; the rest stays cleared. Bytes after the
    // record are ignored.
    static StepFile fromBytes(const QByteArray &image);
    QByteArray toBytes() const;
    // Writes over the record in `image` (grown to Size bytes when shorter): fields that hold their
    // value keep their bytes.
    void writeInto(QByteArray &image) const;

    bool operator==(const StepFile &) const = default;

    // The overall initial plan is the job's period and is not edited in the step window.
    static bool isEditable(int group, StepKind kind);
    // Unsets the strip's period (its date and memo stay). False when the strip is not editable.
    bool clearPeriod(int group, StepKind kind, int revisionCount);

    // A job with a step file wears "[STEP]" at the start of its title, once.
    static QString markedTitle(const QString &title);

    // The folder beside the program that holds the step files.
    static QString folderName();
    // The first eight characters of the job's month file name ("Y2005JAN") + the data number + ".vxs".
    static QString fileName(const QString &monthFileName, int dataNo);
    static QString nameFilter();

    // Writes a new file (a file already at `path` is replaced whole).
    static SafeFile::Result create(const QString &path, const StepFile &record);
    // Reads the first Size bytes. A file whose three months make no chart is refused and `record`
    // is left as it was. `snapshot` gets the bytes read, for write().
    static SafeFile::Result read(const QString &path, StepFile *record,
                                 SafeFile::Snapshot *snapshot = nullptr);
    // Rewrites the record in place; bytes after it in a longer file are kept. With the snapshot of
    // the read, the record is written over the bytes read (untouched fields keep them), a file
    // another program changed meanwhile is left alone (changedOnDisk), and the snapshot follows.
    static SafeFile::Result write(const QString &path, const StepFile &record,
                                  SafeFile::Snapshot *loaded = nullptr);

    struct SaveOutcome
    {
        SafeFile::Result result;
        bool recreated = false; // the file had gone and was written anew
    };
    // Writes as write() does; a file that has gone since it was read is written anew, over the
    // bytes that were read, so that the plan on screen is not lost. A file that appears meanwhile
    // is not overwritten (changedOnDisk).
    static SaveOutcome save(const QString &path, const StepFile &record, SafeFile::Snapshot *loaded);
};

// What the memo notebook shows for one strip of a group, and how its pages go back into the
// group when it closes.
struct StepNotes
{
    static constexpr int PageCount = StepGroup::RevisionSlots;
    struct Page
    {
        double date = StepGroup::UnsetDate;
        QString memo; // CR LF line breaks, as stored
        bool operator==(const Page &) const = default;
    };

    QList<StepPeriod> history; // the periods stored in the file, oldest first
    int selectedEntry = -1;
    std::array<Page, PageCount> pages{};
    int shownPages = 1; // pages 1 .. shownPages are shown
    int activePage = 0; // 0-based
    // Whether a page's period has a start: store() keeps no date and no memo for one without.
    std::array<bool, PageCount> kept{};

    // The notes of a strip. The history lists what the file holds (`loaded`); the pages show
    // the working group, so that what an earlier closing stored is what the pages show again.
    static StepNotes of(const StepGroup &loaded, const StepGroup &working, StepKind kind, int revisionCount);

    // Stores the shown pages into `working`. A period whose start is unset keeps no date and no
    // memo; a page's date on the day already stored keeps the stored value (and its time of day).
    // Slots of pages not shown are left alone.
    static void store(StepGroup &working, StepKind kind, int shownPages,
                      const std::array<Page, PageCount> &pages);

    // The strip whose notes a row's memo button opens, given the radio button chosen, if any: a
    // step row serves its own chosen strip; the overall row its chosen strip, or its initial plan
    // when nothing at all is chosen.
    static std::optional<StepKind> kindServed(int row, std::optional<std::pair<int, StepKind>> chosen);
};
