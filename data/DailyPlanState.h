#pragma once

#include "data/DayFile.h"
#include "data/ListEntriesFile.h"
#include "data/RoutineFile.h"
#include "data/SafeFile.h"
#include "data/TimeAxis.h"

#include <QDate>
#include <QString>

#include <array>
#include <optional>

// What the daily planner edits, kept for the whole run: the working copies of the shown day, the
// day as last loaded or saved (its image), the routines and the lists, and the files they belong
// to. Pads and dialogs change the working copies only; the save commands write whole files.
struct DailyPlanState
{
    // What a pad's boxes hold when "一時保存" or "変更" is pressed: the times as typed, not yet
    // checked against the axis, where the pad stands and its texts.
    struct PadForm
    {
        TimeAxis::ClockTime start;
        TimeAxis::ClockTime end;
        int left = 0;
        int top = 0;
        QString keyword;
        QString description;
        bool completed = false;
        qint32 color = 0;
    };

    // What "一時保存" or "変更" did with the typed times, for the pad to tell the user.
    struct PadOutcome
    {
        bool outOfOrder = false;    // the end is not after the start
        bool startClamped = false;  // the start lay before 6:00 and is now 6:00
        bool endClamped = false;    // the end lay past 5:59 of the next morning and is now 5:59
        bool timesRestored = false; // "変更" out of order: the saved day's times came back
        bool operator==(const PadOutcome &) const = default;
    };

    // What a routine editor's boxes hold at its "一時保存": taken as typed, never checked.
    struct RoutineForm
    {
        TimeAxis::ClockTime start;
        TimeAxis::ClockTime end;
        bool rightPane = false;
        QString keyword;
        QString description;
        qint32 color = 0;
        bool shown = true;
        std::array<bool, 7> weekdays{}; // Sunday first
    };

    // A pad whose left edge is at most this far in belongs to the left pane.
    static constexpr int LeftPaneEdge = 300;
    // Where a pad stands in each pane.
    static constexpr int LeftPaneX = 4;
    static constexpr int RightPaneX = 351;
    // The plan the pads lie on (the axis and a frame) and a pad's height: a pad never hangs below.
    static constexpr int PlanHeight = TimeAxis::Rows + 4;
    static constexpr int PadHeight = 80;
    // Where a pad for a bar starting at `startRow` stands: one row below the bar's start, within
    // the plan.
    static int padTopFor(int startRow) { return qBound(0, startRow + 1, PlanHeight - PadHeight); }

    ScheduleBars workingBars{};
    SchedulePads workingPads{};
    DiaryRecord workingDiary;
    DayFile dayImage; // as last loaded, saved or cleared
    // The working copies as the day file holds them, as last loaded, saved or cleared: what a close
    // without saving would lose is what differs from them.
    struct SavedDay
    {
        ScheduleBars bars{};
        SchedulePads pads{};
        DiaryRecord diary;
    };
    SavedDay savedDay;
    // The day file's bytes as read or last written: a save writes over them, and a file another
    // program changed meanwhile is not overwritten. Not existing for a day without its file.
    SafeFile::Snapshot daySnapshot;

    RoutineFile::Routines workingRoutines{};
    RoutineFile::Routines routineImage{};
    ListEntries listEntries;
    // The routine and list files as read or last written: saves write over their bytes, so what the
    // user did not change keeps them, and leave a file another program changed meanwhile alone.
    SafeFile::Snapshot routineSnapshot;
    SafeFile::Snapshot listSnapshot;

    // The planner's own day, taken from the clock each time it opens; the session keeps the day
    // the program started on.
    QDate today;
    QString dailyPlanRoot; // the AUBREL folder
    QString currentDayFile;

    // 0-based; like the rest of the state they outlive the window.
    int selectedPad = 0;
    int selectedRoutine = 0;

    // The bars in the image: "データ総数".
    int padCount() const { return lastUsedBar(dayImage.bars); }

    // The folder of today's month and today's day file.
    QString monthFolder() const;
    QString todayDayFile() const;

    // "一時保存": the form becomes record and bar `slot`. Times out of order empty the record's
    // times and leave the bar unused; times beyond the axis are clamped to it. The bar takes the
    // pane of the pad and its colour, and the record's top follows the bar.
    PadOutcome keepPad(int slot, const PadForm &form);
    // "変更": like "一時保存", but the pad keeps its top. Times out of order bring back those of
    // the saved day, or leave the bar unused when the saved day has no times for the pad.
    PadOutcome revisePad(int slot, const PadForm &form);
    // "変更" takes the bar away while it reads the pad: unused, white.
    void withdrawBar(int slot);
    // Empties `slot` and moves the pads with a bar in use up to the lowest numbers, memo and all;
    // pads without a bar go. Returns how many are left, which is also the number of the last.
    int removePad(int slot);

    // Empty working copies and an image without path or date.
    void clearDay();
    // Kept or dragged pads, a memo or a diary that the day file does not hold yet.
    bool hasUnsavedEdits() const;

    static SafeFile::Result readDay(const QString &path, DayFile *day,
                                    SafeFile::Snapshot *snapshot = nullptr);
    // Reads the current day file again after another program changed it: image and snapshot follow
    // the file, the working copies stay.
    SafeFile::Result rereadDay();
    // Takes a day read from a file as image and working copies. The scratch file of the routine
    // display leaves the diary alone, and what the day file holds too.
    void takeDay(const DayFile &day, bool withDiary);

    // Writes the working copies to the current day file. A new file first gets its path and the
    // date; the image changes only once the bytes are on disk. A file changed by another program
    // since it was read is left alone (changedOnDisk); one that has gone is written anew.
    SafeFile::Result saveDay(double todaySerial, bool *created = nullptr);

    // Reads the routine file, or writes empty routines when there is none.
    SafeFile::Result loadOrCreateRoutines(const QString &path);
    // Writes the working routines over the bytes read; a file that has gone is written anew, one
    // another program changed is left alone (changedOnDisk).
    SafeFile::Result saveRoutines(const QString &path);
    // Reads the routine file again after another program changed it: image and snapshot follow the
    // file, the working routines stay.
    SafeFile::Result rereadRoutines(const QString &path);

    // "ルーチン仮登録": the record of pad `padSlot` as last kept ("一時保存" or "変更"), not its boxes,
    // becomes a routine in the first free record, in the left pane and shown on every day. Returns
    // its number, or nothing when all records are taken.
    std::optional<int> registerRoutine(int padSlot);
    // A routine editor's "一時保存": the form goes into routine `slot`; its top and memo stay.
    void keepRoutine(int slot, const RoutineForm &form);
    // Empties routine `slot` and moves the others up to the lowest numbers, memo and all. Returns
    // how many are left, which is also the number of the last.
    int removeRoutine(int slot);
    // "閉じる" of the routine settings: back to the routines as last loaded or saved.
    void dropRoutineEdits() { workingRoutines = routineImage; }

    // "ルーチン表示": the shown day's file name and date with one pad and bar for each saved routine
    // shown on `weekday` (0 = Sunday), in routine order, and an empty diary. A routine without
    // times makes no pad, so it gets no bar either.
    DayFile routineDay(int weekday) const;
    // Writes `day` over the scratch file's bytes, or as a new file when there is none.
    static SafeFile::Result writeScratchDay(const QString &path, const DayFile &day);

    // Reads the list file, or writes the default entries when there is none.
    SafeFile::Result loadOrCreateLists(const QString &path);
    // Writes the entries as saveRoutines() writes the routines.
    SafeFile::Result saveLists(const QString &path);
    // Reads the list file again after another program changed it: the entries follow the file.
    SafeFile::Result rereadLists(const QString &path);
};
